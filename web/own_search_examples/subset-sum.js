// Subset sum: every choice of some of the numbers that adds up to the target. Take the
// pruning rule out (the line with turnedDown) and compare the trees with Keep as A.
const numbers = [3, 4, 5, 6, 8, 9];
const target = 17;
const chosen = [];
let sum = 0;

// Chooses the next number among numbers[first], numbers[first + 1], ...
function choose(first) {
  if (sum === target) { found(); return; }
  let fitted = false;
  for (let k = first; k < numbers.length; k++) {
    if (sum + numbers[k] > target) { turnedDown(`+${numbers[k]}`); continue; }
    chosen.push(numbers[k]);
    sum += numbers[k];
    enter(`+${numbers[k]} = ${sum}`);
    choose(k + 1);
    leave();
    sum -= chosen.pop();  // undo: the number is no longer chosen
    fitted = true;
  }
  if (!fitted) deadEnd(sum);
}

choose(0);
