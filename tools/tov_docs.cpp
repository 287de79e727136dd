// Writes docs/members.md, the member reference, from the member table, the descriptions beside
// it and the binding state of this build.
//
// Usage: tov_docs OUTPUT.md
#include <cstdio>
#include <string>

#include "member_reference.h"
#include "write_output.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tov_docs OUTPUT.md\n");
        return 2;
    }
    return tov::tools::WriteOutput("tov_docs", argv[1],
                                   tov::docs::MemberReference(tov::docs::BoundInThisBuild()));
}
