// tavimoreth-data: shows, checks and rewrites the program's data files from a console.
#include "DataTool.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    DataTool tool(std::cout, std::cerr);
    return tool.Run(args);
}
