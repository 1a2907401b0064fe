// The path helpers every part of the batch uses: one answer for each case.
#include <gtest/gtest.h>

#include "app/path_text.h"

namespace quorin {
namespace {

TEST(PathText, FolderAndNameOfEveryKindOfPath) {
    struct Case {
        const char* path;
        const char* folder;
        const char* name;
    };
    for (const Case& c : {Case{"/home/dana/a.wp", "/home/dana", "a.wp"},
                          Case{"dir/a.wp", "dir", "a.wp"},
                          Case{"/a.wp", "/", "a.wp"},
                          Case{"a.wp", ".", "a.wp"},
                          Case{"dir/", "dir", ""},
                          Case{"/", "/", ""},
                          Case{"", ".", ""},
                          Case{"a//b.wp", "a", "b.wp"},
                          Case{"//b.wp", "/", "b.wp"},
                          Case{"./a.wp", ".", "a.wp"},
                          Case{"../x/*.wp", "../x", "*.wp"}}) {
        EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
        EXPECT_EQ(NameOf(c.path), c.name) << c.path;
        // Put together again, the two name the same file.
        if (*c.name) EXPECT_EQ(AbsolutePath(JoinPath(c.folder, c.name)), AbsolutePath(c.path)) << c.path;
    }
}

TEST(PathText, JoinPutsOneSlashBetween) {
    struct Case {
        const char* folder;
        const char* name;
        const char* path;
    };
    for (const Case& c : {Case{"/", "a.wp", "/a.wp"}, Case{"dir", "a.wp", "dir/a.wp"}, Case{"dir/", "a.wp", "dir/a.wp"},
                          Case{".", "a.wp", "./a.wp"}, Case{"", "a.wp", "a.wp"},
                          Case{"/out", "x/y.rtf", "/out/x/y.rtf"}})
        EXPECT_EQ(JoinPath(c.folder, c.name), c.path) << c.folder << " + " << c.name;
}

}  // namespace
}  // namespace quorin
