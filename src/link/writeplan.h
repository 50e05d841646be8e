#pragma once

#include <vector>

namespace zmp {

// One step of programming, by 64-byte block start: a pause, one 64-byte
// write, or a run of single-byte writes.
struct WriteStep {
    enum class Kind { Pause, Block, Bytes };
    int blockStart = 0;
    Kind kind = Kind::Pause;
    int first = 0; // first address written
    int count = 0; // bytes written
};

// What "Program to Radio" writes: the configuration part of 0x0000-0x50FF,
// leaving the model code, the product code and the areas the radio keeps
// for itself untouched.
class WritePlan {
  public:
    static const std::vector<WriteStep>& steps();

    static constexpr int End = 0x5100; // the last step only completes the progress
    static constexpr int BlockSize = 64;

  private:
    static WriteStep stepAt(int blockStart);
};

} // namespace zmp
