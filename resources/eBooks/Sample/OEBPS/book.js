// The page side of the interactive book. The reader calls these functions after every page load
// and after every answer: preprocess() once the page is shown, getData() for the question groups
// ("key,key|key,key", one group per block of questions), userAnswer(key, status) with "right",
// "wrong" or "none" for each question, and stats(id, right, wrong) with the shares of a group.
// An answer is a link "booksQButton:<key>:<right|wrong>:<letter>" that the reader records; a link
// "ogButton:<n>" opens the official-guide questions that getDataForOGButton(n) lists.

function groupsOnPage() {
    return Array.prototype.slice.call(document.querySelectorAll('.qgroup'));
}

function preprocess() {
    groupsOnPage().forEach(function (group, g) {
        var bar = group.querySelector('.stat');
        if (bar) bar.id = 'stat' + (g + 1);
    });
    return 'Ok';
}

function getData() {
    return groupsOnPage().map(function (group) {
        return Array.prototype.slice.call(group.querySelectorAll('.question')).map(function (q) {
            return q.getAttribute('data-key');
        }).join(',');
    }).join('|');
}

// The choice tapped last on this page, by question key: the reader tells the page only whether the
// answer was right, so the page keeps which choice it was to mark it.
var chosenChoices = {};
document.addEventListener('click', function (event) {
    var link = event.target.closest ? event.target.closest('.question a[href^="booksQButton:"]') : null;
    if (link) chosenChoices[link.getAttribute('href').split(':')[1]] = link.parentNode;
});

// An answered question (right or wrong) shows its worked answer and marks the right choice and the
// one chosen; an unanswered one shows neither (book.css hides the explanation).
function userAnswer(key, status) {
    var question = document.querySelector('.question[data-key="' + key + '"]');
    if (!question) return 'no question ' + key;
    question.classList.remove('right', 'wrong', 'none');
    question.classList.add(status);
    var mark = question.querySelector('.mark');
    if (mark) mark.textContent = status === 'right' ? 'Answered right' : status === 'wrong' ? 'Answered wrong' : '';
    var choices = Array.prototype.slice.call(question.querySelectorAll('li'));
    var rightChoice = null;
    choices.forEach(function (choice) {
        choice.classList.remove('chosen', 'correct');
        var link = choice.querySelector('a');
        if (link && /:right(:|$)/.test(link.getAttribute('href'))) rightChoice = choice;
    });
    if (status === 'right' || status === 'wrong') {
        if (rightChoice) rightChoice.classList.add('correct');
        // A right answer was the right choice; a wrong one is marked when it was tapped on this page.
        var chosen = status === 'right' ? rightChoice : chosenChoices[key];
        if (chosen && (status === 'right' || chosen !== rightChoice)) chosen.classList.add('chosen');
    }
    return 'Ok';
}

function stats(id, right, wrong) {
    var bar = document.getElementById(id);
    if (!bar) return 'no ' + id;
    var r = Math.round(right * 100), w = Math.round(wrong * 100);
    bar.querySelector('.right').style.width = r + '%';
    bar.querySelector('.wrong').style.width = w + '%';
    bar.setAttribute('title', r + '% right, ' + w + '% wrong');
    return 'Ok';
}

// The official-guide questions of a link "ogButton:<n>": the keys its element lists
// ("OG12_PS_PS_1|OG12_PS_PS_2"), which the reader opens in the error log.
function getDataForOGButton(button) {
    var link = document.querySelector('.og[data-og="' + button + '"]');
    return link ? link.getAttribute('data-keys') : '';
}
