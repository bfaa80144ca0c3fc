#pragma once

// The socket components of the game's connection, for callers that use both.
#include "net/TCPClient.h"
#include "net/TCPServer.h"
