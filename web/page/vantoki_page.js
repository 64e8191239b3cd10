// The page around the game. It builds its elements from the controls the game describes (the
// layout table), decodes the picture strips for it, and turns the browser's events into calls on
// the game's shell: a click, a press on a picture, a key, the tick. What changes comes back as
// changes of the elements (page.apply) and as the page's dialogs, which answer the game while its
// stack waits; while one is open the game hears nothing but the tick, as the desktop's timer runs
// under a modal dialog, so events behind it go nowhere and a move goes on to its end. No control
// of the game's windows and no fact of the game is written here: the names, texts and numbers it
// needs come from the module.
'use strict';

(() => {
  // A finger is the browser's main button, or its other one when held still (below), as the
  // browser numbers them for a press and for the buttons held.
  const kMainButton = {button: 0, buttons: 1};
  const kOtherButton = {button: 2, buttons: 2};
  // A finger held this long without moving this far is the right button.
  const kTouchHoldMilliseconds = 500;
  const kTouchSlop = 8;
  // A finger that slides this far across a picture has swiped it.
  const kSwipeDistance = 24;
  const kKeyNames = {ArrowLeft: 'Left', ArrowUp: 'Up', ArrowRight: 'Right', ArrowDown: 'Down'};

  let shell = null;
  let busy = false;  // the game's stack waits for a dialog; the game says when (stackWaits)
  let shellAddress = 0;
  let leftButtonDown = false;
  let hintWorker = null;
  let pickedFolder = '';  // the module's, asked for at the start: a call while its stack waits
                          // for a dialog would only give a promise
  let focusedBeforeDialog = null;
  let icon = null;  // the program's icon, decoded once for every picture of it
  const hintAnswers = [];
  const dialogWaiters = {};

  const element = (id) => document.getElementById(id);

  // Calls into the game unless its stack waits for a dialog. A call that ends up waiting returns
  // a promise, which stands for no answer.
  function callGame(call) {
    if (busy || shell === null) {
      return undefined;
    }
    const result = call();
    return result instanceof Promise ? undefined : result;
  }

  async function decodePicture(url) {
    const bitmap = await createImageBitmap(await (await fetch(url)).blob(),
                                           {colorSpaceConversion: 'none', premultiplyAlpha: 'none'});
    const canvas = document.createElement('canvas');
    canvas.width = bitmap.width;
    canvas.height = bitmap.height;
    const context = canvas.getContext('2d');
    context.drawImage(bitmap, 0, 0);
    const image = context.getImageData(0, 0, canvas.width, canvas.height);
    return {data: image.data, width: image.width, height: image.height};
  }

  function place(node, control) {
    node.id = control.id;
    node.style.left = `${control.left}px`;
    node.style.top = `${control.top}px`;
    node.style.width = `${control.width}px`;
    node.style.height = `${control.height}px`;
    // A link widens to the right until its whole text shows, as the window widens it.
    if (control.kind === 'link') {
      node.style.minWidth = node.style.width;
      node.style.width = 'max-content';
    }
    if (control.tooltip) {
      node.title = control.tooltip;
    }
    node.hidden = control.hidden;
  }

  // How the table says the control's text looks where it differs from its kind's.
  function style(node, control) {
    if (control.textColor) node.style.color = control.textColor;
    if (control.groundColor) node.style.background = control.groundColor;
    if (control.pointSize > 0) {
      node.style.fontSize = `${control.pointSize}pt`;
      // A line of text of its own size fills the label.
      if (!control.wraps) node.style.lineHeight = `${control.height}px`;
    }
    if (control.bold) node.style.fontWeight = 'bold';
    node.classList.toggle('wraps', control.wraps);
    node.classList.add(`align-${control.align}`);
  }

  function makeControl(control, onEvent) {
    let node;
    switch (control.kind) {
      case 'window':
        node = document.createElement('div');
        node.className = 'window';
        node.dataset.caption = control.caption;
        break;
      case 'frame':
      case 'panel':
        node = document.createElement('div');
        node.className = 'frame';
        if (control.caption) {
          node.classList.add('captioned');
          const caption = document.createElement('span');
          caption.className = 'frame-caption';
          caption.textContent = control.caption;
          node.appendChild(caption);
        }
        break;
      case 'button':
      case 'option':
        node = document.createElement('button');
        node.className = control.kind;
        node.textContent = control.caption;
        node.addEventListener('click', () => onEvent(control.id));
        break;
      case 'radio': {
        node = document.createElement('label');
        node.className = 'radio';
        const input = document.createElement('input');
        input.type = 'radio';
        input.name = `${control.parentId}-choice`;
        // Which one is chosen is the game's to say: the browser's own choice is taken back, at the
        // end of the click, so the event goes on only after it.
        input.addEventListener('click', (event) => {
          event.preventDefault();
          setTimeout(() => onEvent(control.id));
        });
        node.append(input, control.caption);
        break;
      }
      case 'link':
        node = document.createElement('a');
        node.className = 'link';
        node.href = '#';
        node.textContent = control.caption;
        node.addEventListener('click', (event) => { event.preventDefault(); onEvent(control.id); });
        break;
      case 'text':
        // Locked until its window says otherwise, as the desktop builds it.
        node = document.createElement('input');
        node.type = 'text';
        node.className = 'name-box';
        node.spellcheck = false;
        node.readOnly = true;
        break;
      case 'picture':
        node = document.createElement('canvas');
        node.width = control.width;
        node.height = control.height;
        node.classList.toggle('repeats', control.repeatsWhileHeld);
        break;
      case 'icon':
        node = document.createElement('canvas');
        node.width = control.width;
        node.height = control.height;
        icon?.then((bitmap) => node.getContext('2d').drawImage(bitmap, 0, 0));
        break;
      case 'list':
        node = document.createElement('select');
        break;
      default:
        node = document.createElement('div');
        node.className = 'label';
        node.textContent = control.caption;
    }
    place(node, control);
    style(node, control);
    name(node, control);
    return node;
  }

  // What assistive technology hears of the control: its role, where its element's own is not
  // the control's, and its caption, or the label beside it, as its name.
  function name(node, control) {
    if (control.labelledBy) node.setAttribute('aria-labelledby', control.labelledBy);
    if (control.kind === 'option') {
      node.setAttribute('role', 'radio');
      node.setAttribute('aria-checked', 'false');
    } else if (control.kind === 'picture' && control.caption) {
      node.setAttribute('role', 'button');
      node.setAttribute('aria-label', control.caption);
    } else if ((control.kind === 'frame' || control.kind === 'panel') && control.caption) {
      node.setAttribute('role', 'group');
      node.setAttribute('aria-label', control.caption);
    }
  }

  // The window's controls under `root`, each in its parent.
  // A frame of stage options is one choice among them.
  function buildWindow(window, root, onEvent) {
    const controls = Module.pageControls(window);
    for (let index = 0; index < controls.size(); ++index) {
      const control = controls.get(index);
      const parent = control.parentId ? element(control.parentId) : root;
      parent.appendChild(makeControl(control, onEvent));
      if (control.kind === 'option') parent.setAttribute('role', 'radiogroup');
    }
    controls.delete();
    return element(window);
  }

  // Where an event falls on a picture, in the picture's own pixels however the window is scaled.
  function pointOnPicture(canvas, event) {
    const box = canvas.getBoundingClientRect();
    const [x, y] = [event.clientX - box.left, event.clientY - box.top];
    return {x: x * canvas.width / box.width, y: y * canvas.height / box.height,
            inside: x >= 0 && y >= 0 && x < box.width && y < box.height};
  }

  // A mouse's buttons go to the game as they are. A finger is the main button, except that one
  // held still on a picture for a moment is the other button, as a press and hold is on a touch
  // screen of the desktop's system: so the editor paints and picks with either tile. A finger
  // that slides far enough has also swiped the picture, once, which the game may take as a move
  // (on the board in play, where painting does nothing). On a picture whose press repeats while
  // held (a direction button), a finger presses at once and lets go when lifted, cancelled or slid
  // off it.
  function wirePicture(canvas) {
    const repeatsWhileHeld = canvas.classList.contains('repeats');
    let touch = null;  // the finger on the picture: {pointerId, start, pressed, buttons, timer}
    const press = (button, point) => {
      touch.pressed = true;
      touch.buttons = button.buttons;
      callGame(() => shell.pressPicture(canvas.id, button.button, point.x, point.y));
    };
    const letGo = () => {
      clearTimeout(touch.timer);
      if (touch.pressed) callGame(() => shell.releasePicture(canvas.id));
      touch = null;
    };
    canvas.addEventListener('pointerdown', (event) => {
      canvas.setPointerCapture(event.pointerId);
      const point = pointOnPicture(canvas, event);
      if (event.pointerType !== 'touch') {
        callGame(() => shell.pressPicture(canvas.id, event.button, point.x, point.y));
        return;
      }
      if (touch !== null) return;
      touch = {pointerId: event.pointerId, start: point, screenX: event.clientX,
               screenY: event.clientY, pressed: false};
      if (repeatsWhileHeld) press(kMainButton, point);
      else touch.timer = setTimeout(() => press(kOtherButton, touch.start), kTouchHoldMilliseconds);
    });
    canvas.addEventListener('pointermove', (event) => {
      const point = pointOnPicture(canvas, event);
      if (event.pointerType !== 'touch') {
        if (event.buttons !== 0) callGame(() => shell.dragOnPicture(canvas.id, event.buttons, point.x, point.y));
        return;
      }
      if (touch === null || touch.pointerId !== event.pointerId) return;
      if (repeatsWhileHeld) {
        if (!point.inside) letGo();
        return;
      }
      const slid = Math.hypot(event.clientX - touch.screenX, event.clientY - touch.screenY);
      if (!touch.pressed) {
        // A finger that moves before the moment is up is the main button from where it began.
        if (slid < kTouchSlop) return;
        clearTimeout(touch.timer);
        press(kMainButton, touch.start);
      }
      callGame(() => shell.dragOnPicture(canvas.id, touch.buttons, point.x, point.y));
      if (!touch.swiped && slid >= kSwipeDistance) {
        touch.swiped = true;
        callGame(() => shell.swipeOnPicture(canvas.id, point.x - touch.start.x, point.y - touch.start.y));
      }
    });
    canvas.addEventListener('pointerup', (event) => {
      if (event.pointerType !== 'touch') {
        callGame(() => shell.releasePicture(canvas.id));
        return;
      }
      if (touch === null || touch.pointerId !== event.pointerId) return;
      // A tap: the main button, pressed and let go where the finger came down.
      if (!touch.pressed) press(kMainButton, touch.start);
      letGo();
    });
    canvas.addEventListener('pointercancel', (event) => {
      if (event.pointerType !== 'touch') callGame(() => shell.releasePicture(canvas.id));
      else if (touch !== null && touch.pointerId === event.pointerId) letGo();
    });
  }

  function wireMainWindow(main) {
    for (const canvas of main.querySelectorAll('canvas')) wirePicture(canvas);
    for (const box of main.querySelectorAll('input.name-box')) {
      box.addEventListener('input', () => callGame(() => shell.editText(box.id, box.value)));
    }
    for (const list of main.querySelectorAll('select')) {
      list.addEventListener('change', () => callGame(() => shell.chooseItem(list.id, list.selectedIndex)));
    }
    // Neither a right click nor a long press opens a menu over the game; a name box keeps its own.
    document.addEventListener('contextmenu', (event) => {
      if (!(event.target instanceof HTMLInputElement) && event.target.closest('#game, .overlay')) {
        event.preventDefault();
      }
    });
    document.addEventListener('pointerdown', (event) => {
      if (event.button === 0) leftButtonDown = true;
    }, true);
    for (const end of ['pointerup', 'pointercancel']) {
      document.addEventListener(end, (event) => {
        if (event.button !== 1 && event.button !== 2) leftButtonDown = false;
      }, true);
    }
    const keyText = (event) => {
      const key = kKeyNames[event.key] || (event.key.length === 1 ? event.key.toUpperCase() : event.key);
      return (event.ctrlKey ? 'Ctrl+' : '') + (event.shiftKey ? 'Shift+' : '') +
             (event.altKey ? 'Alt+' : '') + key;
    };
    const inNameBox = (event) => event.target instanceof HTMLInputElement &&
                                 event.target.type === 'text';
    document.addEventListener('keydown', (event) => {
      if (document.querySelector('.overlay:not([hidden])')) return;
      if (callGame(() => shell.keyDown(keyText(event), event.repeat, inNameBox(event)))) {
        event.preventDefault();
      }
    });
    document.addEventListener('keyup', (event) => {
      if (callGame(() => shell.keyUp(keyText(event), event.repeat, inNameBox(event)))) {
        event.preventDefault();
      }
    });
    window.addEventListener('blur', () => {
      leftButtonDown = false;
      callGame(() => shell.keyboardLost());
    });
  }

  // The window as the table lays it out, as one picture scaled to the largest size the screen
  // holds with its proportions and centred on whole pixels, where its text is drawn at its size
  // or larger and, on a touch screen, its smallest control is large enough for a finger; on any
  // other screen, the compact arrangement (compact_screen.js). A dialog takes the window's scale,
  // or at least its own size, and less only where the screen is too small for it; on a compact
  // screen it runs down the screen at its own size.
  const kLeastTextScale = 1;  // the window's text is 12 pixels at its own size
  const kFingerSide = 44;
  let tableWindow = null;  // the main window's own entry of the layout table
  let smallestTarget = 0;  // the shortest side of a control a finger uses, in the table
  let arrangeRequested = false;
  const coarsePointer = matchMedia('(pointer: coarse)');  // a finger, not a mouse, points first

  function arrange() {
    arrangeRequested = false;
    const screen = document.documentElement;
    const fit = (width, height) => Math.min(screen.clientWidth / width, screen.clientHeight / height);
    const main = element(tableWindow.id);
    const scale = fit(tableWindow.width, tableWindow.height);
    const touch = coarsePointer.matches;
    const compact = scale < kLeastTextScale || (touch && scale * smallestTarget < kFingerSide);
    screen.classList.toggle('compact', compact);
    if (compact) {
      compactScreen.arrange();
      return;
    }
    compactScreen.openSheet(false);
    const [left, top] = [screen.clientWidth - tableWindow.width * scale, screen.clientHeight - tableWindow.height * scale]
        .map((room) => Math.round(room / 2 * devicePixelRatio) / devicePixelRatio);
    main.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
    for (const box of document.querySelectorAll('.overlay:not([hidden]) > .dialog')) {
      box.style.transform = `scale(${Math.min(Math.max(scale, 1), fit(box.offsetWidth, box.offsetHeight))})`;
    }
  }

  // The facts of the table that decide between its arrangement and the compact one.
  function learnTable() {
    const controls = Module.pageControls(Module.mainWindow());
    const fingered = new Set(['button', 'option', 'text', 'list', 'radio']);
    smallestTarget = Infinity;
    for (let index = 0; index < controls.size(); ++index) {
      const control = controls.get(index);
      if (index === 0) tableWindow = {id: control.id, width: control.width, height: control.height};
      if (fingered.has(control.kind) || control.repeatsWhileHeld) {
        smallestTarget = Math.min(smallestTarget, control.width, control.height);
      }
    }
    controls.delete();
  }

  // Once the game's changes of this event are all in.
  function arrangeSoon() {
    if (!arrangeRequested) {
      arrangeRequested = true;
      requestAnimationFrame(arrange);
    }
  }

  // A dialog of the page over everything else; resolves with what `build` hands its `done`.
  // `kind` is the look of the window's own box of that kind: 'message-box' or 'file-box'. As on
  // the desktop, the control that had the focus has it again once the dialog is gone.
  function modal(title, kind, build) {
    const focused = document.activeElement;
    return new Promise((resolve) => {
      const overlay = document.createElement('div');
      overlay.className = 'overlay';
      const box = document.createElement('div');
      box.className = `dialog ${kind}`;
      box.setAttribute('role', 'dialog');
      const heading = document.createElement('div');
      heading.className = 'dialog-title';
      heading.textContent = title;
      const body = document.createElement('div');
      body.className = 'dialog-body';
      box.append(heading, body);
      overlay.appendChild(box);
      document.body.appendChild(overlay);
      build(body, (answer) => {
        overlay.remove();
        focused?.focus();
        resolve(answer);
      });
      // Fitted to the screen once its text and buttons are in.
      arrange();
    });
  }

  function dialogButtons(body, captions, done) {
    const row = document.createElement('div');
    row.className = 'dialog-buttons';
    const buttons = captions.map(([caption, answer]) => {
      const button = document.createElement('button');
      button.className = 'button';
      button.textContent = caption;
      button.addEventListener('click', () => done(answer));
      row.appendChild(button);
      return button;
    });
    body.appendChild(row);
    buttons[0].focus();
    return buttons;
  }

  // The files under `folder` that the game's file dialog would list, those of its folders too,
  // each as [the path as it shows below `folder`, the path itself].
  function fileNamesIn(folder, pattern) {
    const names = [];
    const visit = (path, shown) => {
      const entries = Module.listFolder(path, pattern);
      for (let index = 0; index < entries.size(); ++index) {
        const entry = entries.get(index);
        const full = `${path}/${entry.name}`;
        if (entry.isFolder) visit(full, `${shown}${entry.shown}/`);
        else names.push([`${shown}${entry.shown}`, full]);
      }
      entries.delete();
    };
    visit(folder, '');
    return names;
  }

  // The places the game's open dialog offers, from lines of a name, a tab and a folder.
  const placesOf = (lines) => lines.split('\n').filter((line) => line).map((line) => line.split('\t'));

  function readPickedFile(file) {
    return file.arrayBuffer().then((bytes) => {
      if (!Module.FS.analyzePath(pickedFolder).exists) Module.FS.mkdir(pickedFolder);
      const path = `${pickedFolder}/${file.name.replace(/\//g, '_')}`;
      Module.FS.writeFile(path, new Uint8Array(bytes));
      return path;
    });
  }

  const linesOf = (text) => text.split('\n').filter((line) => line);

  // A caption as each kind of element shows it: a window's is its title, a frame's stands on its
  // border, a name box's is its text, and a list's are its items, one a line.
  function showCaption(node, text) {
    if (node.classList.contains('window')) {
      node.dataset.caption = text;
    } else if (node instanceof HTMLInputElement) {
      if (node.value !== text) node.value = text;
    } else if (node instanceof HTMLSelectElement) {
      node.replaceChildren(...linesOf(text).map((item) => new Option(item)));
    } else if (node.classList.contains('frame')) {
      node.querySelector('.frame-caption').textContent = text;
    } else if (node.classList.contains('radio')) {
      node.lastChild.textContent = text;
    } else {
      node.textContent = text;
    }
  }

  const page = {
    allocateText(text) {
      const size = Module.lengthBytesUTF8(text) + 1;
      const pointer = Module._malloc(size);
      Module.stringToUTF8(text, pointer, size);
      return pointer;
    },
    // One change of what a control shows (the game's screen protocol), to its element. A covered
    // control is inert, out of reach of the pointer, Tab and a screen reader alike, as the
    // window disables it.
    apply(id, what, on, text, index) {
      const node = element(id);
      switch (what) {
        case 'shown':
          node.hidden = !on;
          if (document.documentElement.classList.contains('compact')) arrangeSoon();
          break;
        case 'covered': node.inert = on; break;
        case 'locked': node.readOnly = on; break;
        case 'checked':
          if (node.classList.contains('radio')) node.querySelector('input').checked = on;
          else node.classList.toggle('checked', on);
          if (node.getAttribute('role') === 'radio') node.setAttribute('aria-checked', String(on));
          break;
        case 'caption': showCaption(node, text); break;
        case 'selected': node.selectedIndex = index; break;
        case 'focus':
          node.focus();
          if (node instanceof HTMLInputElement) node.select();
          break;
      }
    },
    showPicture(id, rgba, width, height) {
      const canvas = element(id);
      canvas.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(rgba), width, height), 0, 0);
    },
    leftButtonDown() { return leftButtonDown; },
    stackWaits(waits) { busy = waits; },
    openAddress(address) { return window.open(address, '_blank') !== null || address.startsWith('mailto:'); },
    download(name, bytes) {
      const link = document.createElement('a');
      link.href = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
      link.download = name;
      document.body.appendChild(link);
      link.click();
      link.remove();
      setTimeout(() => URL.revokeObjectURL(link.href), 60000);
      page.downloads.push({name, bytes});
    },
    downloads: [],
    keepPlayerFile: keptFiles.keep,
    forgetPlayerFile: keptFiles.remove,
    mirrorKeptFiles: keptFiles.mirror,
    // The buttons' captions come one a line; the answer is the place of the one pressed.
    showMessage(text, title, buttons) {
      return modal(title, 'message-box', (body, done) => {
        const message = document.createElement('div');
        message.className = 'message';
        message.textContent = text.replace(/\r\n/g, '\n');
        body.appendChild(message);
        dialogButtons(body, linesOf(buttons).map((caption, place) => [caption, place]), done);
      });
    },
    // The buttons open, take a file from the computer, delete a kept file and cancel, captioned
    // one a line. The answer is "open" or "delete", a line break and the file's path; what the
    // browser keeps is read afresh before the answer is given (and, by the game, before the
    // dialog opens).
    async chooseFileToOpen(title, description, pattern, folder, places, buttons) {
      const [openCaption, pickCaption, deleteCaption, cancelCaption] = linesOf(buttons);
      const answer = await modal(title, 'file-box', (body, done) => {
        const list = document.createElement('select');
        list.className = 'file-list';
        list.size = 8;
        // Each place's files under its name; the first file of the folder the game opens in is
        // chosen.
        for (const [name, placeFolder] of placesOf(places)) {
          const group = document.createElement('optgroup');
          group.label = name;
          for (const [shown, full] of fileNamesIn(placeFolder, pattern)) group.append(new Option(shown, full));
          list.append(group);
        }
        const options = [...list.options];
        const first = options.find((option) => option.value.startsWith(`${folder}/`)) ?? options[0];
        if (first) first.selected = true;
        list.addEventListener('dblclick', () => list.value && done(`open\n${list.value}`));
        const filter = document.createElement('div');
        filter.className = 'file-filter';
        filter.textContent = description;
        const picker = document.createElement('input');
        picker.type = 'file';
        picker.accept = pattern.replace(/^\*/, '');
        picker.hidden = true;
        picker.addEventListener('change', () => {
          if (picker.files.length > 0) readPickedFile(picker.files[0]).then((path) => done(`open\n${path}`));
        });
        body.append(filter, list, picker);
        const [, , remove] = dialogButtons(
            body, [[openCaption, 'open'], [pickCaption, 'pick'], [deleteCaption, 'delete'], [cancelCaption, null]],
            (answer) => {
              if (answer === 'pick') picker.click();
              else if (answer === null) done(null);
              else if (list.value) done(`${answer}\n${list.value}`);
            });
        // Only a file the page keeps can be deleted; the game's own and a picked one cannot.
        const keptChosen = () => { remove.disabled = !keptFiles.isKept(list.value); };
        list.addEventListener('change', keptChosen);
        keptChosen();
      });
      if (answer !== null) await keptFiles.mirror();
      return answer;
    },
    // The buttons save and cancel, captioned one a line. What the browser keeps is read afresh
    // before the name is given, so the game asks before replacing what another tab saved.
    async chooseFileToSave(title, description, buttons) {
      const [saveCaption, cancelCaption] = linesOf(buttons);
      const chosen = await modal(title, 'file-box', (body, done) => {
        const filter = document.createElement('div');
        filter.className = 'file-filter';
        filter.textContent = description;
        const name = document.createElement('input');
        name.type = 'text';
        name.className = 'file-name';
        name.addEventListener('keydown', (event) => {
          // Taken here, so it does not also press the button of the dialog that comes next.
          if (event.key === 'Enter') {
            event.preventDefault();
            done(name.value);
          }
        });
        body.append(filter, name);
        dialogButtons(body, [[saveCaption, 'save'], [cancelCaption, null]],
                      (answer) => done(answer === null ? null : name.value));
        name.focus();
      });
      if (chosen !== null) await keptFiles.mirror();
      return chosen;
    },
    // A dialog of the game's own, built afresh from its layout table each time it opens.
    openDialog(window) {
      focusedBeforeDialog = document.activeElement;
      buildDialog(window);
      arrange();
    },
    closeDialog(window) {
      element(`${window}-overlay`).remove();
      focusedBeforeDialog?.focus();
    },
    nextDialogEvent(window) {
      return new Promise((resolve) => { dialogWaiters[window] = resolve; });
    },
    startHintSearch(search, cells, budget) {
      if (hintWorker === null) {
        hintWorker = new Worker('hint_worker.js');
        hintWorker.onmessage = (event) => {
          page.hintSearching = false;
          hintAnswers.push(event.data);
        };
      }
      page.hintSearching = true;
      hintWorker.postMessage({search, cells, budget});
    },
    stopHintSearch() {
      page.hintSearching = false;
      if (hintWorker !== null) {
        hintWorker.terminate();
        hintWorker = null;
      }
    },
    hintSearching: false,
    firstBoardAt: 0,
  };

  // A dialog of the game's own over the window; its close control answers with no control.
  function buildDialog(window) {
    const overlay = document.createElement('div');
    overlay.className = 'overlay';
    overlay.id = `${window}-overlay`;
    const box = document.createElement('div');
    box.className = 'dialog';
    const heading = document.createElement('div');
    heading.className = 'dialog-title';
    const close = document.createElement('button');
    close.className = 'dialog-close';
    close.textContent = '×';
    close.addEventListener('click', () => answerDialog(window, ''));
    box.appendChild(heading);
    overlay.appendChild(box);
    document.body.appendChild(overlay);
    heading.textContent = buildWindow(window, box, (id) => answerDialog(window, id)).dataset.caption;
    heading.appendChild(close);
  }

  function answerDialog(window, id) {
    const waiter = dialogWaiters[window];
    delete dialogWaiters[window];
    if (waiter) waiter(id);
  }

  function tick() {
    if (shell === null) return;
    // A hint's answer may open its message, which the game then waits for like any other.
    while (hintAnswers.length > 0 && !busy) {
      const answer = hintAnswers.shift();
      callGame(() => Module.hintFound(answer.search, answer.kind, answer.direction,
                                      answer.turnsToClear, answer.stepsBack));
    }
    // Also while the game waits for a dialog, through the plain export: a call through the
    // bindings would take that wait for its own.
    Module._tickShell(shellAddress);
  }

  let Module = null;

  async function start() {
    const loaded = Promise.all([
      decodePicture('chara.png'), decodePicture('mask.png'), decodePicture('bomb1.png'),
      decodePicture('bomb2.png'),
    ]);
    // Not waited for: the window comes up without it.
    icon = fetch('icon.png').then((response) => response.blob()).then(createImageBitmap);
    Module = await createVantoki({page});
    pickedFolder = Module.pickedFolder();
    // The elements are built while the browser's storage reads the player's files back.
    const playerFiles = keptFiles.start(Module.FS, Module.playerFolder());
    const main = buildWindow(Module.mainWindow(), element('game'), (id) => callGame(() => shell.click(id)));
    document.title = main.dataset.caption;
    wireMainWindow(main);
    learnTable();
    compactScreen.build(main, Module.compactArrangement());
    arrange();
    window.addEventListener('resize', arrange);
    coarsePointer.addEventListener('change', arrange);
    const [[sprites, spriteMask, bursts, burstMask]] = await Promise.all([loaded, playerFiles]);
    shell = new Module.WebShell({sprites, spriteMask, bursts, burstMask});
    shellAddress = shell.address();
    // Without one named, the game opens on its shipped stage set.
    callGame(() => shell.start(new URLSearchParams(location.search).get('stages') ?? ''));
    page.firstBoardAt = performance.now();
    setInterval(tick, Module.tickMilliseconds());
    // The browser's own question before leaving the page while edits are unsaved.
    window.addEventListener('beforeunload', (event) => {
      if (Module._shellHasUnsavedEdits(shellAddress) !== 0) {
        event.preventDefault();
        event.returnValue = '';
      }
    });
    window.vantoki = {page, module: Module, shell, isBusy: () => busy};
    // Keeps the page's files for visits without a network; only once the board is up, so that
    // the first visit's loading is not slowed by the worker's.
    navigator.serviceWorker?.register('service_worker.js').catch((failure) => {
      console.warn(`The page will not open without a network: ${failure}`);
    });
  }

  start();
})();
