#ifndef FCLINK_UNITS_H
#define FCLINK_UNITS_H

namespace fclink {

// The controller keeps voltages in hundredths of a volt, in the parameter block and in its
// telemetry alike.
constexpr int kHundredthsPerVolt = 100;

} // namespace fclink

#endif // FCLINK_UNITS_H
