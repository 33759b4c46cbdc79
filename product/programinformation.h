#ifndef PRODUCT_PROGRAMINFORMATION_H
#define PRODUCT_PROGRAMINFORMATION_H

#include <QString>

#include <functional>

class QCommandLineParser;

// The usual --help and --version of the assistant's programs. A program that opens a window
// answers them before it creates its application object, so they print and end without
// touching a window system (and work without a display).
class ProgramInformation
{
public:
    // The product's version as built ("1.0.0").
    static QString version();
    // Gives the running application the product's version, which --version prints.
    static void identify();

    // Whether the command line asks only for help (-h, --help, --help-all) or for the version
    // (-v, --version), before any "--".
    static bool isRequested(int argc, char **argv);

    // Prints the help or the version on standard output and returns the exit status 0. describe
    // sets the parser up as the program's own parsing does (description, options, positional
    // arguments); the help and version options are added here.
    static int answer(int argc, char **argv,
                      const std::function<void(QCommandLineParser &)> &describe);
};

#endif // PRODUCT_PROGRAMINFORMATION_H
