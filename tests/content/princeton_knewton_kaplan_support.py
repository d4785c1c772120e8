# What the numeric checks of the Princeton Review, Knewton and Kaplan sets are made of. A
# problem-solving check computes the answer from the numbers in the stem; a data-sufficiency check
# gives the possible cases, the question and each statement as functions, so that the checker finds a
# counterexample pair for each statement that is not sufficient and confirms agreement for each that is.

CHECKS = {}


class DS:
    def __init__(self, cases, question, s1, s2):
        self.cases, self.question, self.s1, self.s2 = list(cases), question, s1, s2


def check(set_name, number):
    def register(f):
        CHECKS[(set_name, number)] = f
        return f

    return register
