// The scale of each column's points to come, by the columns in play (1, 3, 6) and the column
// (one row each, in that order: Libre; Libre, Descente, Montée; the six), and by its free
// squares: what the coach's own games add after that point, over what the turns spent
// on each square alone would add. Made by `rolvex-coach-bench calibrate`.
#pragma once

#include <array>

namespace rolvex::conseil {

inline constexpr int NbRangsEtalonnage = 1 + 3 + 6;
inline constexpr std::array<std::array<double, 14>, NbRangsEtalonnage> Etalonnages = {
    {{1.0000, 1.0128, 1.1647, 1.2791, 1.3951, 1.5094, 1.6049, 1.7014, 1.7758, 1.8445, 1.9107,
      1.9703, 2.0224, 2.0809},
     {1.0000, 2.4427, 2.2592, 2.2658, 2.4015, 2.5277, 2.6572, 2.7084, 2.7374, 2.7869, 2.7760,
      2.7881, 2.8033, 2.8288},
     {1.0000, 1.9268, 2.0165, 1.8677, 1.8666, 1.9881, 1.5015, 1.4605, 1.4151, 1.3781, 1.3447,
      1.3101, 1.3161, 1.2970},
     {1.0000, 0.8440, 0.8816, 0.9065, 0.9193, 0.9587, 0.9642, 1.0095, 1.0153, 1.0809, 1.1257,
      1.1658, 1.2056, 1.2555},
     {1.0000, 2.4093, 2.3619, 2.5515, 2.6003, 2.6688, 2.7270, 2.7276, 2.7430, 2.7615, 2.7180,
      2.7433, 2.7308, 2.7383},
     {1.0000, 1.8527, 2.1595, 2.1780, 2.0691, 2.2100, 1.6487, 1.5897, 1.5403, 1.5160, 1.4800,
      1.4648, 1.4555, 1.4378},
     {1.0000, 1.0259, 1.0790, 1.0664, 1.1436, 1.1658, 1.1543, 1.1110, 1.1278, 1.1959, 1.2344,
      1.2835, 1.4144, 1.4137},
     {1.0000, 2.5510, 3.4415, 3.6484, 3.5882, 3.8191, 3.8630, 3.8089, 3.7082, 3.8281, 3.6746,
      3.4120, 3.6767, 4.3225},
     {1.0000, 3.1236, 2.6712, 2.4304, 2.4148, 2.3636, 2.2918, 2.2500, 2.3732, 2.4073, 2.4980,
      2.6078, 2.7340, 2.9331},
     {1.0000, 1.2230, 1.3276, 1.2870, 1.3443, 1.3591, 1.4121, 1.4512, 1.4870, 1.4962, 1.5187,
      1.5638, 1.6090, 1.6559}}};

// The row of column c (1..6) when `nbColonnes` (1, 3 or 6) are in play.
constexpr int RangEtalonnage(int nbColonnes, int c) {
  return (nbColonnes == 1 ? 0 : nbColonnes == 3 ? 1 : 4) + c - 1;
}

}  // namespace rolvex::conseil
