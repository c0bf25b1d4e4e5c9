#pragma once

#include <QStringList>

class QTextStream;

// veltrix --report TYPE [--organization NAME] --pdf FILE: renders one report straight to a PDF
// file without opening a window, so a whole pack of reports can be made by a script.
class ReportCommandLine
{
public:
    enum Status { Done = 0, Failed = 1, Refused = 2 };

    // Whether the program was started to make a report rather than to open its window.
    static bool requested(int argc, char **argv);
    // Makes the application object itself (no display needed) and runs.
    static int main(int argc, char **argv);
    // The work, in an application that exists already; messages go to errors.
    static int run(const QStringList &arguments, QTextStream &errors);
};
