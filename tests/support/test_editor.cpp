// A stand-in HTML editor for the tests: appends a marker to the file named by its first argument,
// and writes how many arguments it got beside it.
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        return 2;
    }
    std::ofstream(argv[1], std::ios::app) << "<!-- edited -->";
    std::ofstream(std::string(argv[1]) + ".args") << argc - 1;
    return 0;
}
