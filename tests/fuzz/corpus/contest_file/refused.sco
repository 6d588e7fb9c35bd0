%SCO2 
Kväll
2026-12-08
BK
3.23 2015-07-27
 1  1  2   420     2     0
 1  1  9   420     2     0
 1  3  0   420     2     0
 1  3  4   100 3.4e38     0
 1  3  4 99999     1     1
 1  5  6   -50     1     1
-1 1 1
Berg Anna / Ek Bo
Johansson Stig  /
Andersson Anna / Bengt / Berg Karin
