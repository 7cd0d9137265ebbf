#pragma once
// The calculation types of the one-step corrected schedule ("一括計算ＧＯ"), in the order
// of the drop-down list: the fixed-rate table, the corporation's two plans, then the
// variable-rate tables without and with an initial fixed period, their instalment fixed
// for five years (3 to 8) or following the rate (9 to 14).
#include <string>
#include <vector>

namespace rebanto {

inline std::vector<std::string> batch_calculation_types() {
    return {"一般-固定金利",
            "金融公庫等-通常返済(11年以降金利は出力時設定で)",
            "金融公庫等-ゆとり返済　　(同上)",
            "6ヶ月毎変動金利=返済額5年一定",
            "当初固定金利２年→6ヶ月毎変動金利=返済額5年一定",
            "当初固定金利３年→6ヶ月毎変動金利=返済額5年一定",
            "当初固定金利５年→6ヶ月毎変動金利=返済額5年一定",
            "当初固定金利７年→6ヶ月毎変動金利=返済額5年一定",
            "当初固定金利10年→6ヶ月毎変動金利=返済額5年一定",
            "6ヶ月毎変動金利=返済額連動",
            "当初固定金利２年→6ヶ月毎変動金利=返済額連動",
            "当初固定金利３年→6ヶ月毎変動金利=返済額連動",
            "当初固定金利５年→6ヶ月毎変動金利=返済額連動",
            "当初固定金利７年→6ヶ月毎変動金利=返済額連動",
            "当初固定金利10年→6ヶ月毎変動金利=返済額連動"};
}

}  // namespace rebanto
