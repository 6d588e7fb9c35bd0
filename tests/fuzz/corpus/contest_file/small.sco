%SCO2 %BAR %GH9999 
T
D
A
V
 1  1  2   420 10.6667     2
-1 3 9
#1
010203
Berg / --
fripar
