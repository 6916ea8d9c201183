#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Implemented by the test-only shim (tests/fault_shim), which the fault-injection test programs link.
extern "C" void motivra_fault_arm(const char* fault, const char* folder);
extern "C" void motivra_fault_arm_at(const char* fault, const char* folder, long n);
extern "C" long motivra_fault_calls();
extern "C" void motivra_fault_delay(long milliseconds);
extern "C" void motivra_fault_disarm();

namespace motivra::test {

// The faults the shim injects into file calls under one folder (tests/fault_shim/fault_shim.cpp). Each one
// makes a save fail before its rename, except FolderSync, which fails the folder's sync after it.
inline const std::vector<std::string> kSaveFaults = {"write", "flush", "close", "fsync", "rename"};

// Arms a fault for the calls of this process while the object lives: every call it applies to fails, or
// only the n-th.
class FaultScope {
public:
    FaultScope(const std::string& fault, const std::filesystem::path& folder, long n = 0) {
        motivra_fault_arm_at(fault.c_str(), folder.c_str(), n);
    }
    FaultScope(const FaultScope&) = delete;
    FaultScope& operator=(const FaultScope&) = delete;
    ~FaultScope() { motivra_fault_disarm(); }
};

// The environment that arms a fault in a motivra-cli run: the shim preloaded and told what to break.
inline std::vector<std::string> FaultEnvironment(const std::string& fault,
                                                 const std::filesystem::path& folder) {
    return {std::string("LD_PRELOAD=") + MOTIVRA_FAULT_SHIM, "MOTIVRA_FAULT=" + fault,
            "MOTIVRA_FAULT_DIR=" + folder.string()};
}

}  // namespace motivra::test
