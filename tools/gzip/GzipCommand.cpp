#include "GzipCommand.h"

#include "GzipCodec.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const char SUFFIX[] = ".gz";
const size_t SUFFIX_LENGTH = sizeof(SUFFIX) - 1;
const char USAGE[] = "usage: gzip [-d] [-f] FILE...\n"
                     "  -d  decompress FILE.gz into FILE\n"
                     "  -f  overwrite an existing output file\n";

void report(const std::string& text)
{
    std::fprintf(stderr, "gzip: %s\n", text.c_str());
}

// Windows file names do not tell case apart, so neither does the suffix.
bool has_suffix(const std::string& path)
{
    if (path.size() < SUFFIX_LENGTH)
        return false;
    for (size_t i = 0; i < SUFFIX_LENGTH; ++i) {
        const unsigned char c = static_cast<unsigned char>(path[path.size() - SUFFIX_LENGTH + i]);
        if (std::tolower(c) != SUFFIX[i])
            return false;
    }
    return true;
}

bool file_exists(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    std::fclose(file);
    return true;
}

} // namespace

int GzipCommand::run(const std::vector<std::string>& arguments)
{
    GzipCommand command;
    if (!command.parse(arguments))
        return EXIT_FAILED;
    bool ok = true;
    for (const std::string& path : command.files_)
        ok = command.process(path) && ok;
    return ok ? EXIT_OK : EXIT_FAILED;
}

bool GzipCommand::parse(const std::vector<std::string>& arguments)
{
    bool options_end = false;
    for (const std::string& argument : arguments) {
        if (options_end || argument.size() < 2 || argument[0] != '-') {
            files_.push_back(argument);
        } else if (argument == "--") {
            options_end = true;
        } else if (argument == "--decompress") {
            decompress_ = true;
        } else if (argument == "--force") {
            force_ = true;
        } else if (argument[1] == '-') {
            report("unknown option " + argument);
            std::fputs(USAGE, stderr);
            return false;
        } else {
            for (size_t i = 1; i < argument.size(); ++i) {
                if (argument[i] == 'd') {
                    decompress_ = true;
                } else if (argument[i] == 'f') {
                    force_ = true;
                } else {
                    report(std::string("unknown option -") + argument[i]);
                    std::fputs(USAGE, stderr);
                    return false;
                }
            }
        }
    }
    if (files_.empty()) {
        report("no file given");
        std::fputs(USAGE, stderr);
        return false;
    }
    return true;
}

bool GzipCommand::process(const std::string& path) const
{
    if (decompress_) {
        if (!has_suffix(path) || path.size() == SUFFIX_LENGTH) {
            report(path + ": unknown suffix -- ignored");
            return false;
        }
        return convert(path, path.substr(0, path.size() - SUFFIX_LENGTH));
    }
    if (has_suffix(path)) {
        report(path + " already has " + SUFFIX + " suffix -- unchanged");
        return false;
    }
    return convert(path, path + SUFFIX);
}

// Writes `to` from `from` and then removes `from`; a failure leaves `from`
// as it was and no half-written `to` behind.
bool GzipCommand::convert(const std::string& from, const std::string& to) const
{
    std::FILE* in = std::fopen(from.c_str(), "rb");
    if (in == nullptr) {
        report(from + ": " + std::strerror(errno));
        return false;
    }
    if (!force_ && file_exists(to)) {
        std::fclose(in);
        report(to + " already exists; not overwritten (use -f)");
        return false;
    }
    std::FILE* out = std::fopen(to.c_str(), "wb");
    if (out == nullptr) {
        report(to + ": " + std::strerror(errno));
        std::fclose(in);
        return false;
    }
    std::string error;
    bool ok = decompress_ ? GzipCodec::decompress(in, out, error) : GzipCodec::compress(in, out, error);
    std::fclose(in);
    if (std::fclose(out) != 0 && ok) {
        error = "write error";
        ok = false;
    }
    if (!ok) {
        std::remove(to.c_str());
        report(from + ": " + error);
        return false;
    }
    if (std::remove(from.c_str()) != 0) {
        report(from + ": cannot remove: " + std::strerror(errno));
        return false;
    }
    return true;
}
