#pragma once

#include <string>
#include <string_view>

#include "shell/Context.hpp"

namespace tavrik {

/// Host of the maker's website, shared by every page.
inline constexpr std::string_view kWebsiteHost = "www.tavrik-terminal.it";
/// A well-known public host whose reachability means the network works.
inline constexpr std::string_view kProbeHost = "www.example.com";


/// The word "helpsite": opens the feedback page when the network is up.
void runHelpSite(Context& context);
/// The information menu of the settings.
void runInfoMenu(Context& context);

}  // namespace tavrik
