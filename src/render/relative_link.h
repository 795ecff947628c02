#pragma once

#include <string>
#include <string_view>

namespace vb {

// The address that `href` names when read against `base`, into `out`: an address with a scheme as
// it stands, a relative one joined to `base` when that is an absolute address with an authority,
// and otherwise left relative.
void ResolveLink(std::string_view base, std::string_view href, std::string& out);

}  // namespace vb
