#pragma once

#include <string>
#include <vector>

// The command line korvo's plug-ins use: "gzip -f FILE" replaces FILE by
// FILE.gz, "gzip -d [-f] FILE.gz" replaces FILE.gz by FILE.
class GzipCommand {
public:
    static const int EXIT_OK = 0;
    static const int EXIT_FAILED = 1;

    // Runs the command line; messages go to standard error.
    static int run(const std::vector<std::string>& arguments);

private:
    bool parse(const std::vector<std::string>& arguments);
    bool process(const std::string& path) const;
    bool convert(const std::string& from, const std::string& to) const;

    bool decompress_ = false;
    bool force_ = false;
    std::vector<std::string> files_;
};
