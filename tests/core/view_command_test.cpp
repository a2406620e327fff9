#include <gtest/gtest.h>

#include <sstream>

#include "cli/view_command.h"

namespace scrivlet::cli {
namespace {

std::string Fault(const std::vector<std::string>& args) {
    std::ostringstream err;
    EXPECT_FALSE(ParseViewArguments(args, err).has_value());
    return err.str();
}

TEST(ViewCommand, FileAndOneWayIn) {
    std::ostringstream err;
    const auto plain = ParseViewArguments({"a.hlp"}, err);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->file, "a.hlp");
    EXPECT_EQ(plain->by, ViewRequest::By::Contents);
    const auto map = ParseViewArguments({"--map", "0x20", "a.hlp"}, err);
    ASSERT_TRUE(map);
    EXPECT_EQ(map->by, ViewRequest::By::MapNumber);
    EXPECT_EQ(map->number, 32u);
    const auto context = ParseViewArguments({"a.hlp", "--context", "odd name!"}, err);
    ASSERT_TRUE(context);
    EXPECT_EQ(context->by, ViewRequest::By::Context);
    EXPECT_EQ(context->text, "odd name!");
    const auto keyword = ParseViewArguments({"a.hlp", "--keyword", "printing"}, err);
    ASSERT_TRUE(keyword);
    EXPECT_EQ(keyword->by, ViewRequest::By::Keyword);
    EXPECT_EQ(err.str(), "");
}

TEST(ViewCommand, FaultsAreNamed) {
    EXPECT_EQ(Fault({}), "scrivlet: --view needs a help file\n");
    EXPECT_EQ(Fault({"a.hlp", "--map"}), "scrivlet: --map needs a value\n");
    EXPECT_EQ(Fault({"a.hlp", "--map", "x"}), "scrivlet: 'x' is not a valid integer value.\n");
    EXPECT_EQ(Fault({"a.hlp", "--map", "-1"}), "scrivlet: '-1' is not a valid integer value.\n");
    EXPECT_EQ(Fault({"a.hlp", "--map", "1", "--context", "x"}),
              "scrivlet: give only one of --context, --map and --keyword\n");
    EXPECT_EQ(Fault({"a.hlp", "b.hlp"}), "scrivlet: --view opens one help file\n");
    EXPECT_EQ(Fault({"a.hlp", "--page"}), "scrivlet: unknown option --page\n");
}

}  // namespace
}  // namespace scrivlet::cli
