#pragma once
// What a bug report needs to say about the program and the machine it runs on, as text the
// user can copy: the versions of the program and of the libraries it reads and draws with,
// the operating system, the database (where, what kind, how many records in each table)
// and where the settings file lives.

#include <string>

namespace quorvel {

// What the window system and the main window know.
struct SystemReportFacts {
    std::string ProgramVersion;  // "Quorvel Version 2.1.13"
    std::string QtVersion;       // the Qt running, and the one the program was built with
    std::string DatabasePath;
    std::string UserIniPath;
};

// One "Name: value" line each; the database's tables one line each below it, with their
// record counts. A database that cannot be read says why, and the rest stands.
std::string SystemReport(const SystemReportFacts& facts);

// "Debian GNU/Linux 12 (bookworm); Linux 6.1.0-18-amd64 x86_64": the distribution's name
// from os-release, then the kernel's name, release and machine.
std::string OperatingSystemDescription();

}  // namespace quorvel
