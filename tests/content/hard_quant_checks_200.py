"""Checks of MHardQuantSet200, questions 112 to 311: each recomputes its question from the stem's numbers."""
import itertools
import math
from fractions import Fraction as F
from math import comb

from hard_quant_support import Table, divisors, fracs, grid, is_prime, is_square, mean, median, sufficiency

TABLE = Table("MHardQuantSet200")
ps, ds = TABLE.ps, TABLE.ds
