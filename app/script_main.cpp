// rebanto-script FILE | -  : runs a script against the headless application.
#include <fstream>
#include <iostream>

#include "runner/script_runner.h"

int main(int argc, char** argv) {
    rebanto::HeadlessPlatform platform;
    rebanto::App app(platform);
    app.start();
    rebanto::ScriptRunner runner(app, platform, std::cout, std::cerr);
    if (argc > 1) {
        std::ifstream in(argv[1]);
        return runner.run(in);
    }
    return runner.run(std::cin);
}
