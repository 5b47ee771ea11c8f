#pragma once

#include "state/BattleState.h"

namespace krepogor {

// The three purchases: faster flight (key C, 300), more muzzle force (key V,
// 250) and repair (key B, 200). A purchase that is not possible does nothing.
constexpr int SpeedPrice = 300;
constexpr int ForcePrice = 250;
constexpr int RepairPrice = 200;

bool CanBuySpeed(const BattleState& s);
bool CanBuyForce(const BattleState& s);
bool CanRepair(const BattleState& s);

void BuySpeed(BattleState& s);
void BuyForce(BattleState& s);
void BuyRepair(BattleState& s);

// Upgrade n: 0 speed, 1 force, 2 repair.
bool CanBuy(const BattleState& s, int n);
void Buy(BattleState& s, int n);

}  // namespace krepogor
