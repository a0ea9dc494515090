#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "report/report_main.h"

namespace {

constexpr int kFailure = 2;

// Only the printed pages need fonts and painting, and the libraries for them
// take most of a start-up: the pages are made by a program of their own,
// installed among the helper programs, or beside this one in the build
// folder.
std::filesystem::path PdfProgram()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    const std::filesystem::path installed = folder / TOLVAZEN_PDF_PROGRAM_FROM_BINDIR;
    if (access(installed.c_str(), X_OK) == 0)
        return installed;
    return folder / "tolvazen-report-pdf";
}

// Runs the program for the pages in this process, with the same arguments.
int StartPdfProgram(char* argv[])
{
    const std::filesystem::path program = PdfProgram();
    execv(program.c_str(), argv);
    std::cerr << "tolvazen-report: cannot start " << program.string() << ": " << std::strerror(errno) << '\n';
    return kFailure;
}

}  // namespace

int main(int argc, char* argv[])
{
    return ReportMain(argc, argv, [argv](const ReportOptions&, std::unique_ptr<QCoreApplication>&) {
        return StartPdfProgram(argv);
    });
}
