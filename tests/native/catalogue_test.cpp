#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "catalogue.h"
#include "gbk_from_utf8.h"
#include "png_image.h"


namespace varnomel {
namespace {

struct CatalogueRow {
    int first;
    int second;
    int item;
    const char* text;  // UTF-8, as the catalogue is written down for people
};

// An independent copy of the catalogue, kept in UTF-8.
const CatalogueRow kRows[] = {
    {1, 1, 1, u8"每次击杀或助攻额外+15攻击力，无上限"},
    {1, 2, 2, u8"攻击额外造成目标5%最大生命值真实伤害"},
    {1, 3, 3, u8"+25%全能吸血"},
    {1, 4, 4, u8"释放技能后每次攻击回复15%最大法力值"},
    {1, 5, 5, u8"为左右两格内的英雄提供15%攻速"},
    {1, 6, 6, u8"阵亡2秒后复活,复活后恢复500生命值"},
    {1, 7, 7, u8"普攻攻击附带40%吸血"},
    {1, 8, 8, u8"携带者也是刺客单位"},
    {1, 9, 9, u8"+150%暴击伤害"},
    {2, 2, 10, u8"携带者的攻击距离加倍"},
    {2, 3, 11, u8"每次攻击增加5%攻击速度，无上限"},
    {2, 4, 12, u8"每3次攻击造成90点伤害额外命中3个目标"},
    {2, 5, 13, u8"对目标及身后目标造成6%最大生命值伤害"},
    {2, 6, 14, u8"装备者闪避所有暴击"},
    {2, 7, 15, u8"普通攻击有20%使敌人缩小1星"},
    {2, 8, 16, u8"携带者也是剑士"},
    {2, 9, 17, u8"死亡时装备转移到友方并额外+20%攻速和暴击"},
    {3, 3, 18, u8"增加50%技能伤害"},
    {3, 4, 19, u8"技能对命中目标造成180点溅射伤害"},
    {3, 5, 20, u8"10秒造成敌人最大生命值20%的灼烧伤害并禁疗"},
    {3, 6, 21, u8"装备者及其左右两格内施加7秒的300点护盾"},
    {3, 7, 22, u8"每当敌人使用技能，受到125点真实伤害"},
    {3, 8, 23, u8"携带者也是法师单位"},
    {3, 9, 24, u8"技能25%几率暴击"},
    {4, 4, 25, u8"每次施放技能时，回复20点法力值"},
    {4, 5, 26, u8"HP降低到25%时，治疗附近所有友军1200点HP"},
    {4, 6, 27, u8"邻近格子的敌人降低35%攻速，持续4秒"},
    {4, 7, 28, u8"普攻有33%几率防止获得法力，持续4秒"},
    {4, 8, 29, u8"装备者也视为恶魔"},
    {4, 9, 30, u8"攻击时造成伤害+40%或命中时回复40生命值"},
    {5, 5, 31, u8"每秒恢复6%已损失生命值"},
    {5, 6, 32, u8"10秒内造成20%最大生命值的灼烧伤害并禁疗"},
    {5, 7, 33, u8"战斗开始时，放逐1个敌人持续6秒"},
    {5, 8, 34, u8"装备者也视为极地"},
    {5, 9, 35, u8"开局获得护盾，打破时对破盾英雄造成晕眩"},
    {6, 6, 36, u8"反弹所受到伤害的100%的魔法伤害"},
    {6, 7, 37, u8"普通攻击有33%对敌人造成缴械3秒"},
    {6, 8, 38, u8"携带者也是骑士单位"},
    {6, 9, 39, u8"闪避时创造一个减少敌人35%攻速的可延展区域"},
    {7, 7, 40, u8"装备者获得75%魔法抗性"},
    {7, 8, 41, u8"普攻额外对1个目标造成75%的伤害，附带特效"},
    {7, 9, 42, u8"被控制时，净化该控制效果。冷却5秒"},
    {8, 8, 43, u8"可上阵人数+1"},
    {8, 9, 44, u8"这个英雄也被视作一个约德尔人"},
    {9, 9, 45, u8"占3格。开始时复制两个随机的装备。"},
};

TEST(Catalogue, EachPairMakesItsItemInEitherOrder) {
    for (const CatalogueRow& row : kRows) {
        EXPECT_EQ(recipe(row.first, row.second), row.item) << row.first << "," << row.second;
        EXPECT_EQ(recipe(row.second, row.first), row.item) << row.second << "," << row.first;
    }
}

TEST(Catalogue, DiagonalItems) {
    const int expected[] = {1, 10, 18, 25, 31, 36, 40, 43, 45};
    for (int i = 1; i <= 9; ++i) EXPECT_EQ(recipe(i, i), expected[i - 1]) << i;
}

TEST(Catalogue, The81CellsNameEachItemOnceOnTheDiagonalElseTwice) {
    std::map<int, int> cells;
    std::set<int> diagonal;
    for (int i = 1; i <= 9; ++i) {
        diagonal.insert(recipe(i, i));
        for (int j = 1; j <= 9; ++j) ++cells[recipe(i, j)];
    }
    ASSERT_EQ(cells.size(), 45u);
    for (const auto& [item, count] : cells) {
        EXPECT_GE(item, 1);
        EXPECT_LE(item, 45);
        EXPECT_EQ(count, diagonal.count(item) ? 1 : 2) << "item " << item;
    }
}

TEST(Catalogue, IconNames) {
    EXPECT_EQ(baseIcon(1).name(), "base_1");
    EXPECT_EQ(baseIcon(9).name(), "base_9");
    EXPECT_EQ(combinedIcon(7).name(), "combo_07");
    EXPECT_EQ(combinedIcon(45).name(), "combo_45");
}

TEST(Catalogue, AllTextsDiffer) {
    std::set<std::string_view> texts;
    for (int item = 1; item <= 45; ++item) texts.insert(effectText(item));
    EXPECT_EQ(texts.size(), 45u);
    EXPECT_NE(effectText(recipe(3, 5)), effectText(recipe(5, 6)));
}

#ifndef _WIN32
TEST(Catalogue, TextsAreTheGbkBytesOfTheCatalogue) {
    for (const CatalogueRow& row : kRows) {
        EXPECT_EQ(std::string(effectText(row.item)), gbkFromUtf8(row.text)) << "item " << row.item;
    }
}
#endif

TEST(Catalogue, EveryIconIsCompiledInAndDecodesTo64By64) {
    std::vector<IconId> icons;
    for (int i = 1; i <= 9; ++i) icons.push_back(baseIcon(i));
    for (int c = 1; c <= 45; ++c) icons.push_back(combinedIcon(c));
    for (const IconId& icon : icons) {
        const ByteView bytes = iconBytes(icon);
        ASSERT_NE(bytes.size, 0u) << icon.name();
        const auto image = decodePng(bytes.data, bytes.size, Rgb{});
        ASSERT_TRUE(image.has_value()) << icon.name();
        EXPECT_EQ(image->width, 64) << icon.name();
        EXPECT_EQ(image->height, 64) << icon.name();
    }
}

}  // namespace
}  // namespace varnomel
