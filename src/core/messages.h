#pragma once

// The numbered message table: every text the editor shows comes from here.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pfedit {

// The text of message n, or the given default when the table has no such
// number. Never fails.
std::string GetMessageText(int n, std::string_view default_text = {});

// Whether message n exists.
bool HasMessage(int n);

// Every message in ascending number order.
const std::vector<std::pair<int, std::string_view>>& AllMessages();

}  // namespace pfedit
