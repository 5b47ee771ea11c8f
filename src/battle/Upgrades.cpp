#include "battle/Upgrades.h"

namespace krepogor {

bool CanBuySpeed(const BattleState& s) {
    return s.ModPoints >= SpeedPrice && s.DtLevel < 10;
}
bool CanBuyForce(const BattleState& s) {
    return s.ModPoints >= ForcePrice && s.ForceLevel < 10;
}
bool CanRepair(const BattleState& s) {
    return s.ModPoints >= RepairPrice && s.Life < 76;
}

void BuySpeed(BattleState& s) {
    if (!CanBuySpeed(s)) return;
    s.DtLevel = s.DtLevel + 1;
    s.KernelDt = s.DtLevel * 0.01 + 0.08;
    s.ModPoints = s.ModPoints - SpeedPrice;
}

void BuyForce(BattleState& s) {
    if (!CanBuyForce(s)) return;
    s.ForceLevel = static_cast<int16_t>(s.ForceLevel + 1);
    s.KernelSpeed = static_cast<float>(s.ForceLevel * 5 + 50);
    s.ModPoints = s.ModPoints - ForcePrice;
}

void BuyRepair(BattleState& s) {
    if (!CanRepair(s)) return;
    s.Life = static_cast<int16_t>(s.Life + 25);
    s.ModPoints = s.ModPoints - RepairPrice;
}

bool CanBuy(const BattleState& s, int n) {
    return n == 0 ? CanBuySpeed(s) : n == 1 ? CanBuyForce(s) : CanRepair(s);
}

void Buy(BattleState& s, int n) {
    if (n == 0)
        BuySpeed(s);
    else if (n == 1)
        BuyForce(s);
    else
        BuyRepair(s);
}

}  // namespace krepogor
