// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/e2e/driver_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string TempPath(const char* stem) {
    std::string pattern = std::string(P_tmpdir) + "/tharnwell-" + stem + "-XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) throw std::runtime_error("cannot make a temporary file");
    close(fd);
    return pattern;
}

// The platform the driver runs on: the one the tests are run under (xcb on
// an X server), else offscreen.
std::string Platform() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return platform != nullptr && *platform != '\0' ? platform : "offscreen";
}

// The driver on a script, with more arguments for Qt and under LC_ALL=locale.
DriverRun Run(const std::string& script, const std::string& qtArguments,
              const std::string& locale) {
    const std::string scriptPath = TempPath("script");
    const std::string outPath = TempPath("out");
    const std::string errPath = TempPath("err");
    std::ofstream(scriptPath, std::ios::binary) << script;

    const std::string command = "LC_ALL='" + locale + "' QT_QPA_PLATFORM='" + Platform() + "' '" +
                                THARNWELL_DRIVER + "' '" + scriptPath + "' " + qtArguments + " >'" +
                                outPath + "' 2>'" + errPath + "'";
    const int status = std::system(command.c_str());

    DriverRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream out(ReadFile(outPath));
    for (std::string line; std::getline(out, line);) run.out.push_back(line);
    run.err = ReadFile(errPath);
    std::remove(scriptPath.c_str());
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return run;
}

}  // namespace

DriverRun RunDriver(const std::string& script) { return RunDriverInLocale(script, kDriverLocale); }

DriverRun RunDriver(const std::string& script, const std::string& qtArguments) {
    return Run(script, qtArguments, kDriverLocale);
}

DriverRun RunDriverInLocale(const std::string& script, const std::string& locale) {
    return Run(script, std::string(), locale);
}

std::string Unbar(const std::string& printed) {
    const auto first = printed.find('|');
    const auto last = printed.rfind('|');
    if (first == std::string::npos || last == first) return printed;
    std::string latin1;
    const std::string utf8 = printed.substr(first + 1, last - first - 1);
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0xC0 && i + 1 < utf8.size()) {
            latin1 += static_cast<char>(((c & 0x1F) << 6) | (utf8[++i] & 0x3F));
        } else {
            latin1 += static_cast<char>(c);
        }
    }
    return latin1;
}

std::vector<std::vector<std::string>> Blocks(const DriverRun& run, const std::string& header) {
    std::vector<std::vector<std::string>> blocks;
    for (size_t i = 0; i < run.out.size(); ++i) {
        const std::string& line = run.out[i];
        if (line.compare(0, header.size() + 1, header + " ") != 0) continue;
        const size_t count = std::stoul(line.substr(header.size() + 1));
        blocks.emplace_back();
        for (size_t k = 1; k <= count && i + k < run.out.size(); ++k) {
            blocks.back().push_back(Unbar(run.out[i + k]));
        }
    }
    return blocks;
}

std::vector<std::string> Block(const DriverRun& run, const std::string& header) {
    std::vector<std::vector<std::string>> blocks = Blocks(run, header);
    return blocks.empty() ? std::vector<std::string>{} : std::move(blocks.front());
}
