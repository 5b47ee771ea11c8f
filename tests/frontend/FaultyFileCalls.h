#pragma once

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "platform/FileCalls.h"

namespace krepogor {

// The system's file calls, noted in order by name, with one of them made to
// fail on request: the call numbered `failAt` (from 0, over all calls), or
// every write once `writeBudget` bytes have gone out (a short write first).
class FaultyFileCalls : public IFileCalls {
public:
    std::vector<std::string> calls;  // "Write", "Rename", ...
    std::vector<std::string> created;
    int failAt = -1;
    int failErrno = EIO;
    long writeBudget = -1;

    int OpenToRead(const std::string& p, bool follow) override {
        return Go("OpenToRead") ? real_.OpenToRead(p, follow) : -1;
    }
    int CreateNew(const std::string& p) override {
        created.push_back(p);
        return Go("CreateNew") ? real_.CreateNew(p) : -1;
    }
    int OpenToChange(const std::string& p) override {
        return Go("OpenToChange") ? real_.OpenToChange(p) : -1;
    }
    long Read(int fd, char* b, size_t n) override { return Go("Read") ? real_.Read(fd, b, n) : -1; }
    long Write(int fd, const char* b, size_t n) override {
        if (!Go("Write")) return -1;
        if (writeBudget >= 0) {
            if (writeBudget == 0) {
                errno = ENOSPC;
                return -1;
            }
            n = std::min<size_t>(n, static_cast<size_t>(writeBudget));
        }
        const long done = real_.Write(fd, b, n);
        if (writeBudget >= 0 && done > 0) writeBudget -= done;
        return done;
    }
    int Sync(int fd) override { return Go("Sync") ? real_.Sync(fd) : -1; }
    int Truncate(int fd, uint64_t size) override {
        return Go("Truncate") ? real_.Truncate(fd, size) : -1;
    }
    int Close(int fd) override {
        // A close that fails has still let the descriptor go.
        const int r = real_.Close(fd);
        return Go("Close") ? r : -1;
    }
    int Lock(int fd) override { return Go("Lock") ? real_.Lock(fd) : -1; }
    int Info(int fd, FileInfo& o) override { return Go("Info") ? real_.Info(fd, o) : -1; }
    int PathInfo(const std::string& p, FileInfo& o) override {
        return Go("PathInfo") ? real_.PathInfo(p, o) : -1;
    }
    int ReadLink(const std::string& p, std::string& t) override {
        return Go("ReadLink") ? real_.ReadLink(p, t) : -1;
    }
    int Rename(const std::string& f, const std::string& t) override {
        return Go("Rename") ? real_.Rename(f, t) : -1;
    }
    int SyncFolder(const std::string& p) override {
        return Go("SyncFolder") ? real_.SyncFolder(p) : -1;
    }
    int Remove(const std::string& p) override { return Go("Remove") ? real_.Remove(p) : -1; }
    int ListFolder(const std::string& p, std::vector<std::string>& n) override {
        return Go("ListFolder") ? real_.ListFolder(p, n) : -1;
    }
    int MakeDirs(const std::string& p) override { return Go("MakeDirs") ? real_.MakeDirs(p) : -1; }

private:
    // Notes the call; false (errno set) when it is the one to fail.
    bool Go(const char* name) {
        calls.push_back(name);
        if (static_cast<int>(calls.size()) - 1 != failAt) return true;
        errno = failErrno;
        return false;
    }
    IFileCalls& real_ = SystemFileCalls();
};

}  // namespace krepogor
