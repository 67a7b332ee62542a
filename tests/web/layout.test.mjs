// The page on phones held both ways and on a narrow desktop window: the board as large as the
// screen allows, every target a finger must hit at least 44 x 44 CSS pixels, nothing on top of
// anything else, and an on-screen key held down.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { page_sessions } from './page_session.mjs';

const phone = (width, height) => ({ viewport: { width, height }, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
const FINGER = 44;

const sessions = page_sessions();

async function value(game, control, property) {
  return (await game.state()).forms.find((state) => state.form === 'Form2').controls[control][property];
}

const overlap = (a, b) => a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;

async function boxes(locator) {
  return Promise.all((await locator.all()).map((each) => each.boundingBox()));
}

function assert_finger_sized(found, what) {
  for (const box of found) {
    assert.ok(box.width >= FINGER - 0.5 && box.height >= FINGER - 0.5, `${what}: ${box.width}x${box.height}`);
  }
}

// The board, its text, its targets and the keys on a phone; the menu opened for its entries.
async function check_phone_layout(game, name) {
  const board = game.window('Form2');
  const frame = await board.boundingBox();
  const viewport = game.page.viewportSize();
  const label_height = await board.locator('[data-control="Label13"]').evaluate((label) => label.getBoundingClientRect().height);
  assert.ok(label_height >= 15, `${name}: the score's line ${label_height} px high`);
  assert_finger_sized(await boxes(board.locator('.close-box')), 'close box');
  assert_finger_sized(await boxes(board.getByRole('menuitem', { name: 'ゲーム' })), 'ゲーム');
  assert_finger_sized(await boxes(game.page.locator('#touch-keys button')), 'on-screen keys');
  assert_finger_sized(await boxes(game.page.locator('#page-bar button:visible')), 'bar');
  // The dry-ice count takes a tap a finger's size around it.
  const count = await board.locator('[data-control="Label3"]').boundingBox();
  const target = await game.page.evaluate(([x, y]) => document.elementFromPoint(x, y).dataset.hitFor,
    [count.x + count.width / 2, count.y + count.height / 2 + FINGER / 2 - 2]);
  assert.equal(target, 'Label3');

  for (const key of await boxes(game.page.locator('#touch-keys button, #page-bar, #page-bar button:visible'))) {
    assert.ok(!overlap(key, frame), `${name}: a key or the bar on the board`);
    assert.ok(key.x >= 0 && key.y >= 0 && key.x + key.width <= viewport.width && key.y + key.height <= viewport.height);
  }
  const bar_buttons = await boxes(game.page.locator('#page-bar button:visible'));
  for (const key of await boxes(game.page.locator('#touch-keys button'))) {
    assert.ok(bar_buttons.every((button) => !overlap(button, key)), `${name}: a bar button on a key`);
  }
  await game.screenshot(`phone-${name}`);
  await board.getByRole('menuitem', { name: 'ゲーム' }).tap();
  await board.getByRole('menuitem', { name: '敵を置く' }).tap();
  assert_finger_sized(await boxes(board.locator('.menu button:visible')), 'menu entries');
  for (const entry of await boxes(board.locator('.menu button:visible'))) {
    assert.ok(entry.x + entry.width <= viewport.width, `${name}: a menu entry off the screen`);
  }
  await game.screenshot(`phone-${name}-menu`);
  await game.page.mouse.click(frame.x + frame.width / 2, frame.y + frame.height - 10);
  return frame;
}

test('a phone held upright: the board as wide as the screen, the keys below it for both thumbs', async () => {
  const game = await sessions.open({ seed: 1, context_options: phone(390, 844) });
  await game.run_for(1600);
  const frame = await check_phone_layout(game, 'portrait');
  assert.ok(frame.width >= 389, `board ${frame.width} wide`);
  await game.close();
});

test('a phone held sideways: the board as high as the screen, the arrows left of it and the actions right', async () => {
  const game = await sessions.open({ seed: 1, context_options: phone(844, 390) });
  await game.run_for(1600);
  const frame = await check_phone_layout(game, 'landscape');
  assert.ok(frame.height >= 389, `board ${frame.height} high`);
  const client = await game.window('Form2').locator('.client').boundingBox();
  assert.ok(client.height >= 290, `the board's client ${client.height} high`);
  const arrows = await game.page.locator('#touch-keys .pad').boundingBox();
  const actions = await game.page.locator('#touch-keys .actions').boundingBox();
  assert.ok(arrows.x + arrows.width <= frame.x && actions.x >= frame.x + frame.width);
  await game.close();
});

// Tapped, the keys play the whole game (whole_game.test.mjs); held, one repeats as a held key does.
test('an on-screen key held down repeats at the keyboard\'s pace', async () => {
  const game = await sessions.open({ seed: 1, context_options: phone(390, 844) });
  await game.run_for(1600);
  const right = await game.page.getByRole('button', { name: '右', exact: true }).boundingBox();
  const cdp = await game.page.context().newCDPSession(game.page);
  const touch = (type) => cdp.send('Input.dispatchTouchEvent',
    { type, touchPoints: type === 'touchEnd' ? [] : [{ x: right.x + 20, y: right.y + 20 }] });
  await touch('touchStart');
  await game.run_for(400 + 2 * 80 - 10);  // a step at once, then two
  await touch('touchEnd');
  await game.run_for(500);
  assert.equal(Number(await value(game, 'Text1', 'Text')), 300);
  await game.close();
});

test('on a phone the end notice reads on one line and its button takes a finger', async () => {
  const game = await sessions.open({ seed: 1, context_options: phone(390, 844) });
  await game.run_for(1600);
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

test('a desktop window 360 pixels wide holds the whole board', async () => {
  const game = await sessions.open({ seed: 1, context_options: { viewport: { width: 360, height: 640 } } });
  await game.run_for(1600);
  const frame = await game.window('Form2').boundingBox();
  assert.ok(frame.x >= 0 && frame.x + frame.width <= 360 && frame.width >= 340, `board ${frame.x}+${frame.width}`);
  await game.screenshot('desktop-narrow');
  await game.close();
});
