#include "FileFaults.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zarion::test {
namespace {

// Turns the capabilities that override file permissions off or back on for this thread.
void overridePermissions(bool on) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (syscall(SYS_capget, &header, data) != 0)
        return;
    for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
        auto& set = data[capability / 32];
        const unsigned bit = 1u << (capability % 32);
        if (on)
            set.effective |= set.permitted & bit;
        else
            set.effective &= ~bit;
    }
    syscall(SYS_capset, &header, data);
}

void setWritable(const fs::path& folder, bool writable) {
    const auto change = writable ? fs::perm_options::add : fs::perm_options::remove;
    const auto write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        fs::permissions(entry.path(), write, change);
    fs::permissions(folder, write, change);
}

} // namespace

ReadOnlyFolder::ReadOnlyFolder(fs::path folder)
    : folder_(std::move(folder)) {
    setWritable(folder_, false);
    overridePermissions(false);
}

ReadOnlyFolder::~ReadOnlyFolder() {
    overridePermissions(true);
    setWritable(folder_, true);
}

} // namespace zarion::test
