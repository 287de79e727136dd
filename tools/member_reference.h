// docs/members.md, the member reference for table authors, made from the member table and the
// member descriptions beside it. The tool tov_docs writes it; a test keeps the committed file
// equal to what this gives.
#pragma once

#include <array>
#include <string>

#include "server/member_table.h"

namespace tov::docs {

// Which members have a body in the build the reference describes, by index into kMemberTable.
// A member without one is marked "not available yet".
using BoundMembers = std::array<bool, server::kMemberCount>;

// The whole reference as Markdown.
std::string MemberReference(const BoundMembers& bound);

// The binding state of the members as this build has them.
BoundMembers BoundInThisBuild();

}  // namespace tov::docs
