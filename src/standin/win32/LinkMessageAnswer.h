// The server's side of one link message: open the client's request block by
// the name the atom carries, let the core work through it, and give back the
// message result.
#pragma once

#include <windows.h>

#include "standin/core/ServerCore.h"

namespace wendox::standin {

// Longer than the 2000 ms the client waits for an answer, so that a server
// set not to answer makes the client's send time out.
inline constexpr DWORD kNoAnswerDelayMs = 2500;

// Returns 0 when the atom's name, the mapping or its view cannot be had.
LRESULT AnswerLinkMessage(ServerCore& core, WPARAM atom);

}  // namespace wendox::standin
