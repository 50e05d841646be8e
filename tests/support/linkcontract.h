#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "link/operationtype.h"
#include "support/contractrig.h"

// The link contract: read, program and clear cases that every rig must
// pass the same way. linkcontract.cpp holds the cases; each test program
// that has a rig instantiates them for it:
//
//     ZMP_INSTANTIATE_LINK_CONTRACT(Scripted, (test::RigMaker{&makeScriptedRig}));
namespace zmp::test {

struct RigMaker {
    std::function<std::unique_ptr<ContractRig>(const MemoryImage& radio, const RadioFaults& faults)> make;
};

// Identity bytes of the radio and the model the computer expects.
struct IdentityCase {
    const char* name;
    std::vector<std::pair<int, std::uint8_t>> pokes;
    int model;
    bool accepted;
};
std::vector<IdentityCase> identityCases();

using Write = std::pair<int, int>; // address, length

struct Fill {
    int first;
    int last;
    std::uint8_t value;
};

struct ClearCase {
    const char* name;
    OperationType type;
    std::vector<Fill> changes; // in order, on the image
    std::vector<Write> writes; // the write requests, in order
};
std::vector<ClearCase> clearCases();

// A byte the radio never takes, and the last write the run it lies in still sends.
struct RefusedByteCase {
    const char* name;
    int address;
    int lastWrite;
};
std::vector<RefusedByteCase> refusedByteCases();

// A byte the radio stores otherwise, and the directory entry it belongs to.
struct MisstoredByteCase {
    const char* name;
    int address;
    const char* entry;
};
std::vector<MisstoredByteCase> misstoredByteCases();

class LinkContract : public ::testing::TestWithParam<RigMaker> {
  protected:
    // The computer's side starts from a new MR4400 configuration, unlike the radio's pattern.
    std::unique_ptr<ContractRig> makeRig(const RadioFaults& faults = {});
    std::unique_ptr<ContractRig> makeRig(const MemoryImage& radio, const RadioFaults& faults = {});

    MemoryImage before;
    Records recordsBefore;
};

template <class Case>
class LinkContractWith : public ::testing::TestWithParam<std::tuple<RigMaker, Case>> {
  protected:
    std::unique_ptr<ContractRig> makeRig(const MemoryImage& radio, const RadioFaults& faults = {});
    const Case& param() const { return std::get<1>(this->GetParam()); }

    MemoryImage before;
    Records recordsBefore;
};

using LinkContractIdentity = LinkContractWith<IdentityCase>;
using LinkContractClear = LinkContractWith<ClearCase>;
using LinkContractRefusedByte = LinkContractWith<RefusedByteCase>;
using LinkContractMisstoredByte = LinkContractWith<MisstoredByteCase>;

template <class Case>
std::string caseName(const ::testing::TestParamInfo<std::tuple<RigMaker, Case>>& info)
{
    return std::get<1>(info.param).name;
}

} // namespace zmp::test

#define ZMP_INSTANTIATE_LINK_CONTRACT_WITH(prefix, maker, suite, cases)                                      \
    INSTANTIATE_TEST_SUITE_P(prefix, suite,                                                                  \
                             ::testing::Combine(::testing::Values(maker), ::testing::ValuesIn(cases)),       \
                             ::zmp::test::caseName<decltype(cases)::value_type>)

#define ZMP_INSTANTIATE_LINK_CONTRACT(prefix, maker)                                                         \
    INSTANTIATE_TEST_SUITE_P(prefix, LinkContract, ::testing::Values(maker));                                \
    ZMP_INSTANTIATE_LINK_CONTRACT_WITH(prefix, maker, LinkContractIdentity, ::zmp::test::identityCases());   \
    ZMP_INSTANTIATE_LINK_CONTRACT_WITH(prefix, maker, LinkContractClear, ::zmp::test::clearCases());         \
    ZMP_INSTANTIATE_LINK_CONTRACT_WITH(prefix, maker, LinkContractRefusedByte,                               \
                                       ::zmp::test::refusedByteCases());                                     \
    ZMP_INSTANTIATE_LINK_CONTRACT_WITH(prefix, maker, LinkContractMisstoredByte,                             \
                                       ::zmp::test::misstoredByteCases())
