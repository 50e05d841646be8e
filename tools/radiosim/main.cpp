// zmp-radio-sim: a radio in PC-control mode on a pseudo-terminal, for
// trying Read and Program without a radio and for the link's tests.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

#include "radiosim/radioimage.h"
#include "radiosim/radiosim.h"
#include "radiosim/simoptionsparser.h"

namespace {

zmp::radiosim::RadioSim* running = nullptr;

extern "C" void onSignal(int)
{
    if (running) running->stop();
}

bool loadMemory(const zmp::radiosim::SimOptions& options, zmp::MemoryImage& memory)
{
    using zmp::radiosim::RadioImage;
    std::string error;
    memory = RadioImage::fresh();
    if (!options.imagePath.empty() && !RadioImage::load(options.imagePath, memory, error)) {
        std::cerr << "zmp-radio-sim: " << error << '\n';
        return false;
    }
    for (const auto& poke : options.pokes) {
        if (!RadioImage::poke(memory, poke.address, poke.bytes)) {
            std::cerr << "zmp-radio-sim: --poke does not fit the memory\n";
            return false;
        }
    }
    return true;
}

// The memory is dumped only at the end: a path it cannot be written to is
// told before the session, not after it.
bool dumpWritable(const std::string& path)
{
    std::error_code ignored;
    const bool existed = std::filesystem::exists(path, ignored);
    errno = 0;
    std::ofstream probe(path, std::ios::binary | std::ios::app);
    if (!probe) {
        std::cerr << "zmp-radio-sim: cannot write " << path << ": " << std::strerror(errno != 0 ? errno : EIO)
                  << '\n';
        return false;
    }
    probe.close();
    if (!existed) std::filesystem::remove(path, ignored);
    return true;
}

// Only a symbolic link (one an earlier run left) is replaced: never a file.
bool makeLink(const std::string& device, const std::string& path)
{
    struct stat status {};
    if (::lstat(path.c_str(), &status) == 0 && !S_ISLNK(status.st_mode)) {
        std::cerr << "zmp-radio-sim: --link " << path
                  << " names a file that is no symbolic link; name another path\n";
        return false;
    }
    ::unlink(path.c_str());
    if (::symlink(device.c_str(), path.c_str()) == 0) return true;
    std::cerr << "zmp-radio-sim: cannot create the link " << path << ": " << std::strerror(errno) << '\n';
    return false;
}

int serve(const zmp::radiosim::SimOptions& options, const zmp::MemoryImage& memory)
{
    zmp::radiosim::RadioSim sim(memory, options);
    if (!options.logPath.empty() && !sim.openLog(options.logPath)) {
        std::cerr << "zmp-radio-sim: cannot create " << options.logPath << '\n';
        return 1;
    }
    if (!options.linkPath.empty() && !makeLink(sim.devicePath(), options.linkPath)) return 1;
    running = &sim;
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGHUP, onSignal);
    std::cout << sim.devicePath() << std::endl;
    sim.run();
    running = nullptr;
    if (!options.linkPath.empty()) ::unlink(options.linkPath.c_str());
    std::string error;
    if (!options.dumpPath.empty() &&
        !zmp::radiosim::RadioImage::save(options.dumpPath, sim.protocol().memory(), error)) {
        std::cerr << "zmp-radio-sim: " << error << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    zmp::radiosim::SimOptions options;
    std::string error;
    if (!zmp::radiosim::SimOptionsParser::parse({argv + 1, argv + argc}, options, error)) {
        std::cerr << "zmp-radio-sim: " << error << '\n' << zmp::radiosim::SimOptionsParser::usage();
        return 2;
    }
    if (options.help) {
        std::cout << zmp::radiosim::SimOptionsParser::usage();
        return 0;
    }
    if (options.version) {
        std::cout << "zmp-radio-sim " << ZMP_VERSION << '\n';
        return 0;
    }
    zmp::MemoryImage memory;
    if (!loadMemory(options, memory)) return 1;
    if (!options.dumpPath.empty() && !dumpWritable(options.dumpPath)) return 1;
    try {
        return serve(options, memory);
    } catch (const std::exception& e) {
        std::cerr << "zmp-radio-sim: " << e.what() << '\n';
        return 1;
    }
}
