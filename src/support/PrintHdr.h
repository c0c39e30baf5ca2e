#pragma once
// What heads every printout of the program: the students' names and laboratory table from the
// login, the print job title and the date and table line. Drawing lives on the window side.

#include <ctime>
#include <string>

namespace solar {

struct PrintContext {
    std::string students[4];
    std::string labTable;
};

// The program-wide print context; the main window fills it after the login.
PrintContext &printContext();

// "VORN Solar Rotation Exercise - " followed by the first student name.
std::string printJobTitle();

// "YYYY/MM/DD hh:mm:ss" of a broken-down time.
std::string printStampText(const std::tm &when);

// The first header line: date and time, then the laboratory table or "(Not Recorded)".
std::string printFirstLine(const std::tm &when);

// The local time now, broken down.
std::tm printNow();

} // namespace solar
