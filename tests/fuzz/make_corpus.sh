#!/usr/bin/env bash
# Writes the starting corpus of every fuzz target with the program itself, through the
# headless runner: a kinri.ini, a kinriOP.ini and a .ksl, a .txh and two typical packs,
# all in code page 932 with CR LF. Usage: tests/fuzz/make_corpus.sh RUNNER
#   RUNNER: a built rebanto-script (for example build/fuzz/app/rebanto-script)
set -euo pipefail
runner=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run() { "$runner" --start-folder "$work" - >/dev/null; }

# A first run writes kinri.ini with its defaults; a second keeps a loan and a user name.
run <<'SCRIPT'
close TForm1
SCRIPT
cp "$work/kinri.ini" "$here/settings/corpus/kinri-defaults.ini"
run <<'SCRIPT'
today 2026/12/08
set TForm1.Edit46 山田太郎
set TForm1.Ed0_moto 30000000
set TForm1.Ed0_kin 2.325
set TForm1.Ed0_nen 35
set TForm1.Ed0_wari 20
click TForm1.Bt_save
SCRIPT
cp "$work/kinri.ini" "$here/settings/corpus/kinri-loan.ini"

# Two packs: a three-year loan in six-month steps, and a two-year variable-rate loan
# month by month.
run <<SCRIPT
today 2026/12/08
set TForm1.Ed0_moto 2000000
set TForm1.Ed0_kin 1.5
set TForm1.Ed0_nen 3
set TForm1.Ed0_wari 20
click TForm1.Button18
file $work/steps.mpc
click TForm1.Button88
SCRIPT
cp "$work/steps.mpc" "$here/pack/corpus/steps.mpc"
run <<SCRIPT
today 2026/12/08
set TForm1.Ed0_moto 1200000
set TForm1.Ed0_kin 2.375
set TForm1.Ed0_nen 2
set TForm1.Ed0_wari 25
click TForm1.Button74
file $work/variable.mpc
click TForm1.Button88
SCRIPT
cp "$work/variable.mpc" "$here/pack/corpus/variable.mpc"

# The variable-rate list as shipped, and one with a few rates changed.
run <<SCRIPT
click TForm1.Button54
file $work/plain.txh
click TForm1.Button56
cell TForm1.StringGrid6 1 1 2.5
cell TForm1.StringGrid6 2 1 2.625
cell TForm1.StringGrid6 10 7 3.875
file $work/edited.txh
click TForm1.Button56
SCRIPT
cp "$work/edited.txh" "$here/variable_rate_list/corpus/"
# A full list: 70 half-years rising from 1.5 % by 0.025 points.
awk 'BEGIN { for (k = 0; k < 70; k++) printf "%.3f\r\n", 1.5 + k * 0.025 }' \
  >"$here/variable_rate_list/corpus/rising.txh"

# A rate list with two-step and single rates; empty cells are recorded as "■".
run <<SCRIPT
cell TForm7.StringGrid7 1 0 公庫
cell TForm7.StringGrid7 1 1 公庫基準
cell TForm7.StringGrid7 1 2 2.80
cell TForm7.StringGrid7 1 3 11
cell TForm7.StringGrid7 1 4 4.0
cell TForm7.StringGrid7 1 6 銀行変動
cell TForm7.StringGrid7 1 7 2.375
cell TForm7.StringGrid7 2 0 フラット
cell TForm7.StringGrid7 2 1 段階
cell TForm7.StringGrid7 2 2 1.50
cell TForm7.StringGrid7 2 3 11
cell TForm7.StringGrid7 2 4 2.10
cell TForm7.StringGrid7 3 6 固定10年
cell TForm7.StringGrid7 3 7 3.10
click TForm7.Button140
file $work/spring.ksl
click TForm7.Save
SCRIPT
cp "$work/kinriOP.ini" "$work/spring.ksl" "$here/rate_list/corpus/"

# A pack list of two calculated packs, in slots 2 and 5.
run <<SCRIPT
today 2026/12/08
set TForm1.Ed0_moto 3000000
set TForm1.Ed0_kin 2
set TForm1.Ed0_nen 10
click TForm1.RadioButton102
set TForm1.Edit67 住宅A
click TForm1.Button78
set TForm1.Ed0_wari 20
click TForm1.RadioButton105
set TForm1.Edit67 住宅B
click TForm1.Button78
file $work/two.krp
click TForm1.Button81
SCRIPT
cp "$work/two.krp" "$here/pack_list/corpus/"
