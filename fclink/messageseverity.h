#ifndef FCLINK_MESSAGESEVERITY_H
#define FCLINK_MESSAGESEVERITY_H

namespace fclink {

// How much a message of the libraries matters to the user. The views decide how each severity
// looks; the libraries only say which one a message has.
enum class MessageSeverity
{
    Info,
    Success,
    Warning,
    Error
};

} // namespace fclink

#endif // FCLINK_MESSAGESEVERITY_H
