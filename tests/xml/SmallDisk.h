// A small file system for tests of writing into a full disk: a tmpfs of a few pages
// mounted on a fresh folder, filled up to its last byte on request. Mounting needs
// root on Linux; elsewhere (or when the mount is refused) usable() is false and the
// test skips with reason().
#pragma once

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#if defined(__linux__)
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace PV {
namespace Test {

class SmallDisk {
 public:
  // folder must exist and be empty.
  SmallDisk(const std::string& folder, unsigned kilobytes) : folder_(folder) {
#if defined(__linux__)
    if (geteuid() != 0) {
      reason_ = "mounting a small file system needs root";
      return;
    }
    const std::string options = "size=" + std::to_string(kilobytes) + "k";
    if (::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options.c_str()) != 0) {
      reason_ = std::string("a small file system could not be mounted: ") + std::strerror(errno);
      return;
    }
    mounted_ = true;
#else
    (void)kilobytes;
    reason_ = "a small file system is mounted on Linux only";
#endif
  }
  ~SmallDisk() {
#if defined(__linux__)
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
#endif
  }
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  bool usable() const { return mounted_; }
  const std::string& reason() const { return reason_; }

  // Writes a file of zeros until the disk is full; true when it is.
  bool fill() const {
    std::FILE* f = std::fopen((folder_ + "/filler").c_str(), "wb");
    if (!f) return false;
    static const char block[512] = {0};
    bool full = false;
    for (int i = 0; i < 1 << 20 && !full; ++i) full = std::fwrite(block, 1, sizeof block, f) != sizeof block;
    if (std::fflush(f) != 0) full = true;
    std::fclose(f);
    // The last bytes of a partly written block: fill them one at a time.
    f = std::fopen((folder_ + "/filler2").c_str(), "wb");
    if (f) {
      std::setvbuf(f, nullptr, _IONBF, 0);
      while (std::fputc('x', f) != EOF) {}
      std::fclose(f);
    }
    return full;
  }

 private:
  std::string folder_;
  std::string reason_;
  bool mounted_ = false;
};

}  // namespace Test
}  // namespace PV
