#pragma once
// The program's own threads (the all-solutions search, the designer's checks) run below the
// interface: the window stays quick while they take what is left.
namespace quenk {

// Lowers the calling thread's scheduling priority a few steps.
void LowerThreadPriority();

}  // namespace quenk
