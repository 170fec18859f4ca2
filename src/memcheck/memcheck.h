#pragma once
// The heap checker. Its dormant part is linked into every program: static
// initialisation names the log, and the finaliser, the program's last static
// object to go, returns at once unless the checker was started. A build with
// the CMake option PRALINORE_MEMCHECK adds the recording part: the global
// operator new and delete forward to malloc and free, and once StartMemCheck
// has run they record every block (size, call stack, time stamp), keep freed
// blocks poisoned in a bounded quarantine, and at exit the finaliser writes
// the report of the blocks still allocated and of the freed blocks written
// to. Nothing in the program starts it.
//
// Allocations made before StartMemCheck are not recorded: started after the
// QApplication, the checker keeps Qt's lifetime allocations out of the
// report. Still reported as leaks: blocks the program or a library allocates
// after the start and deliberately keeps until the process ends (caches
// filled lazily, thread-local buffers of threads still running, singletons
// created on first use), and blocks allocated with malloc are not seen at all.

#include <string>

namespace memcheck {

// The log file of an executable: its path with the file name's extension
// replaced by "_MemCheck.log", or that appended when the name has none.
std::string nom_du_journal(const std::string& executable);

// The log of this program, named at static initialisation.
const std::string& journal();

// True once StartMemCheck has run.
bool demarre();

#ifdef PRALINORE_MEMCHECK
// Starts recording (nothing when already started): makes in advance what the
// recording needs (the call-stack reader, the registry, its exceptions),
// installs the recording and sets the started flag.
void StartMemCheck();
#endif

}  // namespace memcheck
