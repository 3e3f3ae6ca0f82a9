#pragma once

#include <functional>

// Dispatches this thread's messages until `done` holds or `timeoutMs` has
// passed; returns whether `done` held. Waits on the queue, never sleeps a
// fixed time.
bool PumpMessagesUntil(const std::function<bool()>& done, unsigned timeoutMs = 5000);
// Dispatches what is queued now, and what that posts, until the queue is idle.
void PumpPendingMessages();
