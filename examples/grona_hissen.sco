%SCO2 %BAR %GH2 
Gröna Hissen
2015-07-28
BK Vindeln
3.23 2015-07-27
 1  1  2   450     6     0
 1  3  4  -420     1     5
 1  5  6   -50     4     2
 1  7  8  -420     1     5
 2  1  2   650     6     0
 2  3  4   200     4     2
 2  5  6  -100     2     4
 2  7  8  -420     0     6
 3  1  8   420     6     0
 3  4  5  -620     1     5
 3  6  9   100     4     2
 3  3  7  -620     1     5
 4  1  8   650     5     1
 4  4  5  -620     0     6
 4  6  9  -100     2     4
 4  3  7   650     5     1
-1 16 8
Almqvist Birgitta / Andersson Bengt
Bäckström Gunnel / Björklund Sven Erik
Dahlberg Ingrid / Ek Göran
Ekström Margareta / Eriksson Åsa
Forsberg Ulf / Fransson Märta
Hedlund Karl Johan / Holmberg Solveig
Isaksson Ture / Jakobsson Inga-Lill
Johansson Stig / Karlsson Maj-Britt
Kjellberg Rune / Lindgren Elsa
fripar
