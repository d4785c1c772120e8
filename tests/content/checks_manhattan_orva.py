from check_manhattan import ps, ds, grid, ints, F, product
B = "OR"
