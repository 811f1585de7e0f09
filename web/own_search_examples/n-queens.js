// N-queens: n queens on an n x n board, one in each row, no two in the same column or on
// the same diagonal. Change n, or the rule in attacked(), and press Run again.
const n = 6;
const queens = [];  // queens[row] is the column of the queen in that row

function attacked(row, col) {
  return queens.some((c, r) => c === col || Math.abs(c - col) === row - r);
}

function place(row) {
  if (row === n) { found(); return; }
  for (let col = 0; col < n; col++) {
    if (attacked(row, col)) { turnedDown(`(${row},${col})`); continue; }
    queens.push(col);
    enter(`(${row},${col})`);
    board(queens.map((c) => '.'.repeat(c) + 'Q' + '.'.repeat(n - 1 - c)));
    place(row + 1);
    leave();
    queens.pop();  // undo: the queen comes off the board
  }
}

place(0);
