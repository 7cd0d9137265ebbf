#include "core/gesture_tips.h"

#include "forms/tform1.h"

namespace rebanto {

// A double click delivers a click first, so "+4 on double click" reads as five steps.
std::vector<std::pair<const Control*, std::string>> gesture_tips(const TForm1& f) {
    const std::string amount = "クリックで1刻み増、右クリックで1刻み減、ダブルクリックで5刻み増";
    const std::string rate =
        "クリックで金利を1刻み上げ、右クリックで1刻み下げ、ダブルクリックで5刻み上げ";
    return {
        {&f.Label8, "クリックで100万円・ﾎﾞｰﾅｽ割合0％、ダブルクリックで200万円・50％"},
        {&f.Label19, "元金を" + amount},
        {&f.Label17, "クリックで銀行金利、ダブルクリックで公庫基準金利"},
        {&f.Label18, rate},
        {&f.Label21, "クリックで30年、右クリックで25年、ダブルクリックで35年"},
        {&f.Label22, "クリックで1年増、右クリックで1年減、ダブルクリックで5年増"},
        {&f.Label23, "クリックで1ヶ月増、右クリックで1ヶ月減、ダブルクリックで6ヶ月増"},
        {&f.Label9, "クリックで0％、ダブルクリックで50％"},
        {&f.Label10, "クリックで10％増、右クリックで10％減"},
        {&f.Ed0_nen, "ダブルクリックで10年0ヶ月"},
        {&f.Ed0_tuki, "ダブルクリックで0年6ヶ月"},
        {&f.Ed0_wari, "ダブルクリックで100％（ボーナス返済のみ）"},
        {&f.Label4, "元金を" + amount},
        {&f.Label1, rate},
        {&f.Label3, "クリックで1円増、右クリックで1円減"},
        {&f.Label185,
         "クリックでﾎﾞｰﾅｽ元金を50万円単位に切り捨て、右クリックで50万円減、ダブルクリックで50万円"
         "増"},
        {&f.Label24, "クリックで1年増、右クリックで1年減、ダブルクリックで5年増"},
        {&f.Label25, "クリックで1年0ヶ月"},
        {&f.Label31, "クリックで1ヶ月増、右クリックで1ヶ月減"},
        {&f.Label32, "クリックでﾎﾞｰﾅｽ間隔分増、右クリックでﾎﾞｰﾅｽ間隔分減"},
        {&f.Label16, "ダブルクリックで5年増"},
        {&f.Label11, "ダブルクリックで10年増"},
        {&f.Edit13, "ダブルクリックで1"},
        {&f.Edit14, "ダブルクリックで1"},
        {&f.Ed1_yy5, "ダブルクリックで返済期間全体"},
        {&f.Ed1_mm5, "ダブルクリックで1年0ヶ月"},
    };
}

}  // namespace rebanto
