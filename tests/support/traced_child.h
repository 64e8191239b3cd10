// Runs work in a child process that stops at every entry to and exit from a system call, so a
// test can see which calls the work makes, in order, or kill it at any one of them. Only system
// calls change the file system, so killing at every stop reaches every state a file can be left
// in, without timing and without hooks in the code under test.
//
// Calls that only manage the child's memory are passed over: the allocator (the sanitizers' in
// particular) makes them or not depending on the state the child was forked in, and skipping them
// keeps the stops of the same work the same from one run to the next.
#pragma once

#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace vantoki {

using SyscallStop = __ptrace_syscall_info;

inline bool managesMemory(std::uint64_t call) {
  return call == SYS_mmap || call == SYS_munmap || call == SYS_mprotect || call == SYS_madvise ||
         call == SYS_brk || call == SYS_mremap;
}

// Runs `work` in a traced child and calls `atStop(index, stop, child)` at each system call stop,
// index counting from 0, while the child is stopped (so its /proc entries can be read); when it
// returns false the child is killed there with SIGKILL. Returns the
// number of stops seen, or nothing when this system does not allow tracing.
template <class Work, class AtStop>
std::optional<int> traceChild(Work work, AtStop atStop) {
  constexpr int kCannotTrace = 77;
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    if (ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) {
      _exit(kCannotTrace);
    }
    raise(SIGSTOP);
    work();
    _exit(0);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFSTOPPED(status)) {
    return std::nullopt;
  }
  ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
  int stops = 0;
  int signalToPass = 0;
  std::uint64_t call = 0;
  while (true) {
    ptrace(PTRACE_SYSCALL, child, nullptr, signalToPass);
    signalToPass = 0;
    if (waitpid(child, &status, 0) != child || WIFEXITED(status) || WIFSIGNALED(status)) {
      return stops;
    }
    if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
      signalToPass = WSTOPSIG(status);
      continue;
    }
    SyscallStop stop{};
    ptrace(PTRACE_GET_SYSCALL_INFO, child, sizeof stop, &stop);
    if (stop.op == PTRACE_SYSCALL_INFO_ENTRY) {
      call = stop.entry.nr;
    }
    if (managesMemory(call)) {
      continue;
    }
    if (!atStop(stops++, stop, child)) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      return stops;
    }
  }
}

}  // namespace vantoki
