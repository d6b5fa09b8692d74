#pragma once

namespace kortiv {

class Messenger;
class Scheme;
struct ChainGraph;

// Brings forward, pass after pass, every chain whose producers all lie
// before the last placed row. Returns P0: rows [S, P0) are placed.
int PlaceReadyChains(ChainGraph& graph);

// Moves the output chains (those that feed nothing) among rows [P0, R) to
// the end. Returns Q: rows [Q, R) are the output chains.
int MoveOutputChainsDown(ChainGraph& graph, int P0);

// Orders the rows [P0, Q) that feed each other: their inputs, the contours
// among them, then sorting passes until one moves nothing.
void OrderFeedbackRegion(ChainGraph& graph, const Scheme& scheme, Messenger& messenger, int P0,
                         int Q);

}  // namespace kortiv
