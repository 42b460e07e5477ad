#pragma once

#include <string>
#include <string_view>

#include "shell/Context.hpp"

namespace tavrik {

/// Host of the maker's website, shared by every page.
inline constexpr std::string_view kWebsiteHost = "www.tavrik-terminal.it";
/// A well-known public host whose reachability means the network works.
inline constexpr std::string_view kProbeHost = "www.example.com";

/// The command line that probes the network.
std::string probeCommand();
/// The command line that opens a page of the website, given its path.
std::string openPageCommand(std::string_view path);

/// The word "helpsite": opens the feedback page when the network is up.
void runHelpSite(Context& context);
/// The information menu of the settings.
void runInfoMenu(Context& context);

}  // namespace tavrik
