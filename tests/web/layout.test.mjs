// The page on phones held both ways and on a narrow desktop window: the board as large as the
// screen allows, every target a finger must hit at least 44 x 44 CSS pixels, nothing on top of
// anything else, and an on-screen key held down.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { assert_finger_sized, boxes, page_sessions, phone } from './page_session.mjs';

const sessions = page_sessions();

const overlap = (a, b) => a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;

// The board on a phone, its text, its targets and the keys; the menu opened for its entries.
async function open_on_phone(name, width, height) {
  const game = await sessions.open({ context_options: phone(width, height) });
  await game.run_for(1600);
  const board = game.window('Form2');
  const frame = await board.boundingBox();
  const label_height = await board.locator('[data-control="Label13"]').evaluate((label) => label.getBoundingClientRect().height);
  assert.ok(label_height >= 15, `${name}: the score's line ${label_height} px high`);
  const keys = await boxes(game.page.locator('#touch-keys button'));
  const bar_buttons = await boxes(game.page.locator('#page-bar button:visible'));
  const board_targets = await boxes(board.locator('.close-box').or(board.getByRole('menuitem', { name: 'ゲーム' })));
  assert_finger_sized([...keys, ...bar_buttons, ...board_targets], name);
  // The dry-ice count takes a tap a finger's size around it, here just short of half one below.
  const count = await board.locator('[data-control="Label3"]').boundingBox();
  const target = await game.page.evaluate(([x, y]) => document.elementFromPoint(x, y).dataset.hitFor,
    [count.x + count.width / 2, count.y + count.height / 2 + 20]);
  assert.equal(target, 'Label3');

  for (const key of [...keys, await game.page.locator('#page-bar').boundingBox(), ...bar_buttons]) {
    assert.ok(!overlap(key, frame), `${name}: a key or the bar on the board`);
    assert.ok(key.x >= 0 && key.y >= 0 && key.x + key.width <= width && key.y + key.height <= height);
  }
  assert.ok(keys.every((key) => bar_buttons.every((button) => !overlap(button, key))), `${name}: a bar button on a key`);
  await game.screenshot(`phone-${name}`);
  await board.getByRole('menuitem', { name: 'ゲーム' }).tap();
  await board.getByRole('menuitem', { name: '敵を置く' }).tap();
  const entries = await boxes(board.locator('.menu button:visible'));
  assert_finger_sized(entries, `${name}: menu entries`);
  assert.ok(entries.every((entry) => entry.x + entry.width <= width), `${name}: a menu entry off the screen`);
  await game.screenshot(`phone-${name}-menu`);
  await game.page.mouse.click(frame.x + frame.width / 2, frame.y + frame.height - 10);
  return { game, frame };
}

// Tapped, the keys play the whole game (whole_game.test.mjs); held, one repeats as a held key does.
test('a phone held upright: the board as wide as the screen, the keys below it, a key held repeating, the end notice on one line', async () => {
  const { game, frame } = await open_on_phone('portrait', 390, 844);
  assert.ok(frame.width >= 389, `board ${frame.width} wide`);

  const right = await game.page.getByRole('button', { name: '右', exact: true }).boundingBox();
  const cdp = await game.page.context().newCDPSession(game.page);
  const touch = (type) => cdp.send('Input.dispatchTouchEvent',
    { type, touchPoints: type === 'touchEnd' ? [] : [{ x: right.x + 20, y: right.y + 20 }] });
  await touch('touchStart');
  await game.run_for(400 + 2 * 80 - 10);  // a step at once, then two
  await touch('touchEnd');
  await game.run_for(500);
  assert.equal((await game.controls()).Text1.Text, '300');

  await game.window('Form2').locator('.close-box').tap();
  const notice = game.page.locator('#program-ended');
  const lines = await notice.locator('p').evaluate((text) => {
    const range = document.createRange();
    range.selectNodeContents(text);
    return new Set([...range.getClientRects()].map((rect) => Math.round(rect.top))).size;
  });
  assert.equal(lines, 1);
  assert_finger_sized(await boxes(notice.getByRole('button', { name: 'もう一度遊ぶ' })), 'もう一度遊ぶ');
  await game.screenshot('phone-end');
  await game.close();
});

test('a phone held sideways: the board as high as the screen, the arrows left of it and the actions right', async () => {
  const { game, frame } = await open_on_phone('landscape', 844, 390);
  assert.ok(frame.height >= 389, `board ${frame.height} high`);
  const client = await game.window('Form2').locator('.client').boundingBox();
  assert.ok(client.height >= 290, `the board's client ${client.height} high`);
  const arrows = await game.page.locator('#touch-keys .pad').boundingBox();
  const actions = await game.page.locator('#touch-keys .actions').boundingBox();
  assert.ok(arrows.x + arrows.width <= frame.x && actions.x >= frame.x + frame.width);
  await game.close();
});

test('a desktop window 360 pixels wide holds the whole board', async () => {
  const game = await sessions.open({ context_options: { viewport: { width: 360, height: 640 } } });
  await game.run_for(1600);
  const frame = await game.window('Form2').boundingBox();
  assert.ok(frame.x >= 0 && frame.x + frame.width <= 360 && frame.width >= 340, `board ${frame.x}+${frame.width}`);
  await game.screenshot('desktop-narrow');
  await game.close();
});
