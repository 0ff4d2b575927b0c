// A bout between two computer wrestlers, decided at once.
#pragma once

#include "rules/core/Rikishi.h"
#include "rules/tournament/DaySheet.h"

class Rng;

// Decides the bout of the pair (a, b), a being the first of the pair in the
// schedule, records a plain win and loss (gmw and cbw of the winner, gml and
// cbl of the loser, each + 1) and returns the result line.
// Draws: r = draw / 327 first. r >= 95: a wins ("defeats"); r < 10: b wins
// by a henka ("henkas"). Otherwise two more draws, a's then b's, each
// draw / 3276 added to that wrestler's power; b wins only with the higher
// sum ("upsets"), a tie goes to a ("defeats"). The winner is named first;
// without captions the line is left empty and only the records change.
ResultLine decideComputerBout(Rikishi& a, Rikishi& b, Rng& rng, bool captions);
