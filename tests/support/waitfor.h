#pragma once

#include <chrono>
#include <functional>

namespace zmp::test {

// Polls the condition until it holds or the timeout passes; true when it
// held. The timeout only bounds a broken test: a test asserts on the
// condition, never on how long it took.
bool waitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds timeout = std::chrono::seconds(10));

} // namespace zmp::test
