#pragma once

// The seed writers' one way to put a seed in the corpus: a file per seed in
// its harness's folder. A seed that cannot be written ends the program, so a
// short corpus is never taken for a whole one.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <vector>

inline void WriteSeedFile(const std::string& root, const char* harness, const char* seed,
                          const std::vector<unsigned char>& bytes)
{
    const std::string folder = root + "/" + harness;
    mkdir(folder.c_str(), 0755);
    FILE* file = std::fopen((folder + "/" + seed).c_str(), "wb");
    if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fclose(file) != 0)
    {
        std::perror(seed);
        std::exit(1);
    }
}
