// Writes docs/members.md, the member reference, from the member table, the descriptions beside
// it and the binding state of this build.
//
// Usage: tov_docs OUTPUT.md
#include <cstdio>
#include <string>

#include "member_reference.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tov_docs OUTPUT.md\n");
        return 2;
    }
    const std::string text = tov::docs::MemberReference(tov::docs::BoundInThisBuild());
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (std::fclose(file) != 0 || !written) {
        std::fprintf(stderr, "tov_docs: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
