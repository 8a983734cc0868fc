#include "GzipCommand.h"

#include <string>
#include <vector>

int main(int argc, char** argv)
{
    return GzipCommand::run(std::vector<std::string>(argv + 1, argv + argc));
}
