-- A small address book for the README's screenshot:
--   sqlite3 sample.db < tools/sample-book.sql   (on a book the program created)
INSERT INTO Addresses (Name, Address, "City State Zip", Country, Contact, Phone, Notes, [0], [2], [9]) VALUES
 ('Smith, John', '12 Elm Street', 'Springfield, IL  62701', 'USA', '', '555-0101', 'Cousin; send the holiday card early.', -1, -1, 0),
 ('O''Brien, Pat', '4 Harbour Road', 'Boston, MA  02110', 'USA', 'Accounts Payable', '555-0199', '', 0, 0, -1),
 ('Jones, Ann', '9 Oak Lane', 'Portland, OR  97201', 'USA', '', '555-0123', '', -1, 0, -1);
UPDATE "Return Addresses" SET Name = 'Ravel, Maurice', Address = '1 Bolero Way', "City State Zip" = 'Paris, TX  75460';
