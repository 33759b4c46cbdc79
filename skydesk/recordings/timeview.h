#ifndef SKYDESK_TIMEVIEW_H
#define SKYDESK_TIMEVIEW_H

// The stretch of a recording a viewer shows, in milliseconds of the recording's clock: zoomed and
// moved, it stays within the recording and never shorter than kShortestSpanMs. A recording
// shorter than that is shown whole, centred.
class TimeView
{
public:
    static constexpr double kShortestSpanMs = 1000.0;

    // The times of the recording's first and last rows; the view is kept within them.
    void setExtent(double firstMs, double lastMs);
    double firstMs() const { return m_first; }
    double lastMs() const { return m_last; }

    double start() const { return m_start; }
    double end() const { return m_end; }
    double span() const { return m_end - m_start; }
    bool isWhole() const;

    // The whole recording.
    void fit();
    void show(double startMs, double endMs);
    // Less (factor below 1) or more of the recording, the time aroundMs staying where it is on
    // the screen.
    void zoom(double factor, double aroundMs);
    void move(double byMs);

private:
    void keepWithinExtent();

    double m_first = 0.0;
    double m_last = 0.0;
    double m_start = 0.0;
    double m_end = kShortestSpanMs;
};

#endif // SKYDESK_TIMEVIEW_H
