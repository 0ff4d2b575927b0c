// The built-in field of a new career. Names are our own inventions.
#include "rules/career/BuiltInField.h"

const std::array<FieldRow, kFieldSize>& builtInField()
{
    // shikona, real name, rank, age, height, weight, baseStrength, baseAgility,
    // tachiai, oshi, yotsu, tenage, tsuppari, jump, receive, hatakikomi,
    // defense, stamina, intangibles, potential, tachiaiStrategy1..2,
    // boutStrategy1..3, rlw, rll, lbw, tbaw
    static const std::array<FieldRow, kFieldSize> field{{
        {"Kumotsubasa", "Daisuke Kumagiri", 4, 28, 181, 132, 12, 13, 9, 10, 10, 12, 8, 11, 10, 13, 15, 14, 9, 2, 1, 2, 6, 2, 5, 470, 228, 13, 9},
        {"Iwanadake", "Ryota Hanamaki", 4, 26, 185, 160, 13, 12, 8, 10, 14, 13, 6, 7, 13, 10, 14, 13, 8, 1, 2, 1, 2, 6, 4, 566, 172, 8, 12},
        {"Sorabayashi", "Shinji Tsugawara", 4, 29, 204, 232, 9, 11, 13, 14, 10, 5, 13, 13, 10, 4, 6, 8, 7, 1, 1, 2, 1, 3, 2, 464, 176, 0, 0},
        {"Umikagami", "Koji Amanuma", 3, 27, 191, 222, 9, 11, 9, 12, 12, 7, 8, 6, 10, 6, 9, 10, 6, 3, 2, 1, 2, 1, 6, 462, 196, 8, 11},
        {"Kazenobori", "Tatsuya Morikane", 3, 22, 181, 160, 12, 12, 13, 13, 6, 6, 14, 13, 10, 12, 9, 10, 9, 6, 3, 1, 3, 1, 5, 68, 37, 13, 10},
        {"Hoshitaki", "Hideo Sawatari", 3, 27, 197, 170, 8, 13, 9, 7, 13, 13, 6, 9, 12, 11, 11, 9, 5, 1, 2, 1, 2, 4, 6, 422, 223, 6, 8},
        {"Tsurugiiwa", "Masaru Ishizaka", 2, 26, 186, 168, 10, 9, 10, 10, 10, 9, 10, 9, 9, 8, 9, 10, 6, 2, 1, 2, 2, 1, 3, 269, 191, 10, 9},
        {"Minatozakura", "Yuji Kanemura", 2, 30, 191, 175, 10, 9, 7, 5, 11, 9, 4, 5, 8, 7, 11, 11, 5, 1, 2, 1, 2, 6, 4, 354, 378, 8, 10},
        {"Shiosaizan", "Kenta Mizorogi", 1, 22, 180, 148, 11, 11, 9, 9, 12, 12, 6, 10, 10, 9, 11, 10, 8, 7, 1, 2, 2, 1, 6, 110, 76, 9, 10},
        {"Takenokumo", "Noboru Tachibe", 1, 24, 179, 159, 12, 9, 15, 14, 5, 5, 8, 15, 13, 9, 8, 9, 8, 6, 1, 2, 1, 5, 3, 87, 56, 8, 9},
        {"Hayasegawa", "Isamu Kurobane", 1, 31, 175, 153, 12, 8, 9, 8, 11, 9, 5, 10, 9, 8, 11, 10, 6, 0, 1, 2, 2, 1, 6, 471, 426, 11, 8},
        {"Kuroganeyama", "Takumi Yagisawa", 1, 26, 184, 160, 10, 9, 7, 8, 12, 12, 5, 9, 7, 8, 9, 9, 6, 1, 2, 1, 2, 4, 6, 265, 208, 9, 8},
        {"Yukimizaki", "Shota Furumaki", 0, 31, 181, 150, 9, 9, 12, 12, 8, 7, 13, 13, 9, 9, 9, 8, 7, 0, 3, 1, 3, 1, 5, 407, 358, 8, 5},
        {"Hibanonami", "Yoshiki Hanezawa", 0, 30, 177, 132, 13, 8, 11, 11, 11, 9, 8, 13, 11, 11, 9, 9, 7, 1, 1, 2, 1, 2, 6, 466, 386, 6, 14},
        {"Tsutakaze", "Jiro Sakuyama", 0, 26, 187, 158, 10, 7, 10, 12, 6, 6, 8, 12, 9, 7, 7, 7, 6, 4, 1, 2, 1, 2, 6, 160, 154, 7, 12},
        {"Mizugakure", "Makoto Oshikiri", 0, 28, 183, 183, 6, 9, 7, 5, 9, 8, 4, 7, 7, 7, 7, 7, 5, 4, 1, 2, 2, 1, 6, 127, 141, 9, 7},
        {"Kagaribiyama", "Kazuki Tonemura", 0, 25, 182, 133, 8, 7, 6, 4, 7, 10, 4, 6, 5, 7, 7, 6, 7, 5, 2, 4, 2, 4, 6, 89, 106, 9, 8},
        {"Amagumoiwa", "Hiroshi Ebisawa", 0, 35, 186, 113, 6, 6, 7, 5, 6, 7, 9, 7, 4, 7, 7, 7, 7, 1, 3, 2, 3, 1, 2, 567, 662, 8, 8},
        {"Sekireinada", "Tomoya Nishikado", 0, 29, 183, 145, 6, 4, 5, 5, 6, 5, 5, 6, 5, 5, 5, 5, 3, 1, 1, 2, 2, 6, 1, 237, 286, 8, 4},
        {"Koganetaki", "Akira Yunokawa", 0, 27, 183, 150, 7, 8, 8, 9, 5, 5, 7, 9, 7, 7, 8, 8, 6, 2, 1, 2, 1, 3, 2, 133, 152, 5, 8},
        {"Fuyubotan", "Sota Kiribayashi", 0, 24, 188, 165, 7, 9, 8, 7, 3, 4, 9, 9, 6, 8, 6, 6, 6, 7, 3, 2, 3, 1, 5, 31, 29, 7, 7},
        {"Nagisamaru", "Ren Takabatake", 0, 24, 188, 170, 8, 6, 7, 7, 8, 7, 4, 7, 6, 7, 7, 6, 4, 5, 1, 2, 2, 1, 6, 83, 82, 8, 6},
        {"Yamabikoumi", "Naoki Umezono", 0, 30, 187, 168, 7, 7, 6, 5, 7, 7, 4, 6, 7, 6, 7, 7, 4, 3, 2, 1, 2, 4, 6, 220, 260, 5, 8},
        {"Hotarubishi", "Yusuke Karasuma", 0, 22, 185, 152, 9, 7, 8, 6, 8, 5, 6, 7, 6, 5, 7, 7, 5, 7, 1, 2, 2, 1, 6, 32, 27, 0, 7},
        {"Tsuyukusayama", "Haruki Nogisawa", 0, 21, 186, 166, 9, 7, 6, 7, 8, 6, 5, 6, 6, 6, 6, 6, 6, 8, 1, 2, 2, 1, 4, 0, 0, 14, 12},
        {"Kaigaranami", "Kaito Shimobe", 0, 28, 184, 172, 7, 5, 5, 4, 6, 4, 3, 5, 3, 4, 5, 4, 3, 1, 2, 1, 2, 1, 6, 118, 152, 8, 3},
        {"Hikarigata", "Goro Iwatsuki", 0, 28, 181, 150, 7, 7, 6, 7, 3, 3, 5, 6, 4, 5, 5, 5, 4, 2, 1, 2, 1, 3, 2, 145, 200, 4, 8},
        {"Oboroguruma", "Tetsuo Mikuriya", 0, 36, 190, 161, 5, 5, 5, 4, 6, 5, 3, 4, 5, 5, 5, 4, 6, 0, 2, 1, 2, 1, 6, 510, 566, 6, 5},
        {"Sazanamiryu", "Riku Hoshizaki", 0, 22, 183, 154, 7, 5, 5, 4, 6, 5, 3, 5, 5, 5, 5, 5, 5, 7, 2, 1, 2, 4, 6, 10, 5, 10, 0},
        {"Kiritoshimaru", "Minoru Tagamori", 0, 28, 179, 123, 8, 2, 4, 5, 3, 3, 3, 4, 3, 3, 5, 5, 4, 2, 1, 2, 1, 2, 6, 210, 255, 9, 3},
        {"Momijidake", "Shigeru Okabayashi", 0, 36, 193, 180, 2, 5, 4, 3, 7, 4, 3, 3, 4, 3, 2, 3, 5, 0, 2, 1, 2, 6, 4, 525, 546, 8, 8},
        {"Uzushiogawa", "Daiki Sunamori", 0, 26, 185, 146, 6, 4, 5, 5, 3, 3, 4, 6, 4, 4, 5, 5, 5, 4, 1, 2, 1, 2, 6, 113, 127, 5, 8},
        {"Tatsumakiiwa", "Yuto Kazahaya", 0, 27, 184, 141, 7, 6, 5, 5, 7, 6, 4, 5, 5, 5, 6, 6, 5, 2, 1, 2, 2, 1, 6, 221, 255, 8, 6},
        {"Karasubane", "Keita Morozumi", 0, 25, 185, 130, 7, 5, 4, 3, 6, 5, 3, 4, 4, 5, 5, 5, 5, 5, 1, 2, 2, 4, 6, 21, 24, 4, 9},
        {"Shigurezan", "Hayato Ichikura", 0, 25, 190, 145, 5, 5, 5, 4, 5, 5, 4, 5, 5, 6, 5, 5, 3, 2, 1, 4, 2, 5, 1, 70, 80, 7, 8},
        {"Hagakurenada", "Toru Mizunashi", 0, 25, 177, 122, 7, 4, 4, 4, 6, 5, 3, 5, 5, 5, 6, 6, 5, 4, 1, 2, 2, 6, 1, 33, 42, 6, 3},
        {"Kogarashiumi", "Junpei Ogasaka", 0, 29, 176, 140, 7, 4, 5, 5, 3, 3, 3, 5, 4, 7, 5, 4, 6, 1, 4, 1, 1, 5, 2, 204, 226, 9, 6},
        {"Suzukazemaru", "Kosuke Higure", 0, 29, 183, 153, 5, 4, 4, 4, 5, 5, 3, 4, 3, 4, 4, 4, 3, 2, 1, 2, 1, 6, 2, 0, 0, 8, 8},
        {"Tsubamegawa", "Atsushi Nakatsuru", 0, 25, 193, 154, 5, 5, 3, 3, 5, 4, 3, 3, 2, 4, 4, 4, 2, 3, 1, 2, 2, 1, 6, 59, 76, 6, 6},
    }};
    return field;
}

const FieldRow& playerTemplate()
{
    static const FieldRow player{"default", "default", 0, 21, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                 0, 0, 1, 2, 2, 1, 6, 0, 0, 0, 0};
    return player;
}
