// Drop handles: the native path bytes of the files of one drop, until DragFinish.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

HDROP make_drop(std::vector<std::string> paths);
