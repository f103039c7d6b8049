#include <iostream>
#include <string>
#include <vector>

#include "convert/ConvertCommand.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return CConvertCommand::Run(args, std::cin, std::cout, std::cerr);
}
